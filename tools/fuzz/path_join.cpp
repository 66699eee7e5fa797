// Path joining and the other pure path functions: a capacity, the directory,
// then the name (each text ended by a 0 byte).
#include "FuzzInput.h"
#include "util/Path.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    unsigned long capacity = input.Number(2) % (2 * kPathCapacity);
    std::string directory = input.Text();
    std::string name = input.Text();

    // The buffer is exactly capacity bytes; JoinPath's caller has a
    // terminated directory in it.
    if (directory.size() < capacity) {
        char* buffer = new char[capacity];
        memcpy(buffer, directory.c_str(), directory.size() + 1);
        bool joined = JoinPath(buffer, capacity, name.c_str());
        if (joined) {
            FUZZ_CHECK(memchr(buffer, 0, capacity) != nullptr);
            std::string result(buffer);
            bool hadSeparator = !directory.empty() && directory.back() == '\\';
            FUZZ_CHECK(result == directory + (hadSeparator ? "" : "\\") + name);
        } else {
            FUZZ_CHECK(directory == buffer);
            FUZZ_CHECK(directory.size() + name.size() + 2 > capacity);
        }
        delete[] buffer;
    }

    char* copy = new char[capacity ? capacity : 1];
    copy[0] = '#';
    bool copied = CopyDirectoryPath(copy, capacity, directory.c_str());
    if (copied) {
        FUZZ_CHECK(memchr(copy, 0, capacity) != nullptr);
        size_t length = strlen(copy);
        FUZZ_CHECK(length > 0 && copy[length - 1] == '\\');
        FUZZ_CHECK(strncmp(copy, directory.c_str(), directory.size()) == 0);
        // The first directory level to create lies inside the path.
        if (const char* first = FirstCreatableComponent(copy))
            FUZZ_CHECK(first > copy && first <= copy + length);
    } else {
        FUZZ_CHECK(capacity == 0 ? copy[0] == '#' : copy[0] == 0);
    }
    delete[] copy;

    FUZZ_CHECK(SameDirectory(directory.c_str(), name.c_str()) == SameDirectory(name.c_str(), directory.c_str()));
    return 0;
}
