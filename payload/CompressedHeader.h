#pragma once
// The header of a file in the COMPRESS ("SZDD") format: the magic
// "SZDD" 88 F0 27 33, the mode "A", the missing-name character and the
// expanded length (little-endian) in bytes 10-13.

const unsigned long kCompressedHeaderSize = 14;

// The expanded length stored in a header; false when the bytes are not one.
bool ReadExpandedLength(const unsigned char* header, unsigned long size, unsigned long* expandedLength);
