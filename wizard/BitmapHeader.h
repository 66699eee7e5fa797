#pragma once
#include <windows.h>

// What a BMP file's headers say, checked against the file's size before any
// pixel memory is made. Pure arithmetic over the header bytes.
const LONG kBitmapMaxSide = 16384;
const unsigned long kFileHeaderSize = 14;
const unsigned long kInfoHeaderSize = 40;

struct BitmapLoadPlan {
    BITMAPINFOHEADER header;     // 40-byte header to create the section with
    unsigned long colourCount;   // entries of the colour table in the file
    unsigned long colourOffset;  // file offset of the colour table
    unsigned long pixelOffset;   // file offset of the pixel rows
    unsigned long readBytes;     // pixel bytes to read: exactly what the section holds
};

// Bytes of a bottom-up, uncompressed section of these dimensions, rows padded
// to 32 bits. The dimensions must already be within kBitmapMaxSide.
unsigned long BitmapSectionBytes(LONG width, LONG height, WORD bitCount);

// False for anything the loader does not take: not "BM", the 12-byte core
// header or another header shorter than 40 bytes, top-down rows, compression,
// bit counts other than 1, 4, 8 and 24, sides of 0 or beyond kBitmapMaxSide,
// more colours than the bit count allows, or a file shorter than the headers,
// colour table and every pixel row the dimensions declare (the image size
// field is not believed either way). A header larger than 40 bytes
// (BITMAPV4/V5) is accepted; its colour table follows the whole header.
bool PlanBitmapLoad(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& infoHeader,
                    unsigned long fileSize, BitmapLoadPlan* plan);
