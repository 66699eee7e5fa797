#include "payload/CompressedHeader.h"

#include "util/Memory.h"

bool ReadExpandedLength(const unsigned char* header, unsigned long size, unsigned long* expandedLength)
{
    static const unsigned char kMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    if (size < kCompressedHeaderSize || MemCompare(header, kMagic, sizeof kMagic) != 0 || header[8] != 'A')
        return false;
    *expandedLength = static_cast<unsigned long>(header[10]) | (static_cast<unsigned long>(header[11]) << 8)
        | (static_cast<unsigned long>(header[12]) << 16) | (static_cast<unsigned long>(header[13]) << 24);
    return true;
}
