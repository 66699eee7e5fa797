// The compressed-file header: the input is the first bytes of the file.
#include "FuzzInput.h"
#include "payload/CompressedHeader.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of exactly the input's size, so a read past it is caught.
    unsigned char* header = new unsigned char[size];
    memcpy(header, data, size);
    unsigned long length = 0x12345678;
    bool read = ReadExpandedLength(header, static_cast<unsigned long>(size), &length);
    if (read) {
        FUZZ_CHECK(size >= kCompressedHeaderSize);
        FUZZ_CHECK(memcmp(header, "SZDD\x88\xF0\x27\x33", 8) == 0 && header[8] == 'A');
        FUZZ_CHECK((length & 0xFF) == header[10] && length >> 24 == header[13]);
    } else {
        FUZZ_CHECK(length == 0x12345678);
    }
    delete[] header;
    return 0;
}
