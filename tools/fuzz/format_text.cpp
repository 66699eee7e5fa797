// Text formatting: a capacity byte, the format, then up to four arguments,
// each ended by a 0 byte; an argument the input does not reach is null.
#include "FuzzInput.h"
#include "util/Format.h"
#include "util/Memory.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    unsigned long capacity = input.Number(2) % 1024;
    std::string format = input.Text();
    std::string arguments[4];
    const char* pointers[4] = {nullptr, nullptr, nullptr, nullptr};
    for (int i = 0; i < 4 && !input.AtEnd(); ++i) {
        arguments[i] = input.Text();
        pointers[i] = arguments[i].c_str();
    }
    char* text = FormatText(format.c_str(), pointers[0], pointers[1], pointers[2], pointers[3]);
    FUZZ_CHECK(text != nullptr);
    size_t length = strlen(text);
    size_t longest = format.size();
    for (const std::string& argument : arguments)
        longest += argument.size() * format.size() / 2;
    FUZZ_CHECK(length <= longest);

    // Exactly capacity bytes, so a write past them is caught; a capacity of 0
    // must not be written at all.
    char* buffer = new char[capacity + 1];
    memset(buffer, '#', capacity + 1);
    bool fits = FormatTextInto(buffer, capacity, format.c_str(), pointers[0], pointers[1], pointers[2],
                               pointers[3]);
    FUZZ_CHECK(buffer[capacity] == '#');
    FUZZ_CHECK(fits == (length < capacity));
    if (fits)
        FUZZ_CHECK(strcmp(buffer, text) == 0);
    else if (capacity > 0)
        FUZZ_CHECK(buffer[0] == 0);
    delete[] buffer;
    MemFree(text);
    return 0;
}
