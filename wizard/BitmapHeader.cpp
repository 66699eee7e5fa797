#include "wizard/BitmapHeader.h"

const WORD kBitmapType = 0x4D42;  // "BM"

unsigned long BitmapSectionBytes(LONG width, LONG height, WORD bitCount)
{
    unsigned long rowBits = static_cast<unsigned long>(width) * bitCount;
    unsigned long rowBytes = ((rowBits + 31) & ~31ul) / 8;
    return rowBytes * static_cast<unsigned long>(height);
}

static bool IsSupportedBitCount(WORD bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

static bool FitsIn(unsigned long offset, unsigned long length, unsigned long fileSize)
{
    return offset <= fileSize && length <= fileSize - offset;
}

bool PlanBitmapLoad(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& infoHeader,
                    unsigned long fileSize, BitmapLoadPlan* plan)
{
    if (fileHeader.bfType != kBitmapType)
        return false;
    if (infoHeader.biSize < kInfoHeaderSize || !FitsIn(kFileHeaderSize, infoHeader.biSize, fileSize))
        return false;
    if (infoHeader.biCompression != BI_RGB || !IsSupportedBitCount(infoHeader.biBitCount))
        return false;
    // A negative height means top-down rows; not taken.
    if (infoHeader.biWidth <= 0 || infoHeader.biWidth > kBitmapMaxSide)
        return false;
    if (infoHeader.biHeight <= 0 || infoHeader.biHeight > kBitmapMaxSide)
        return false;
    unsigned long colours = infoHeader.biClrUsed;
    if (colours == 0 && infoHeader.biBitCount != 24)
        colours = 1ul << infoHeader.biBitCount;
    unsigned long colourLimit = infoHeader.biBitCount == 24 ? 256 : 1ul << infoHeader.biBitCount;
    if (colours > colourLimit)
        return false;
    unsigned long colourOffset = kFileHeaderSize + infoHeader.biSize;
    if (!FitsIn(colourOffset, colours * 4, fileSize))
        return false;
    unsigned long sectionBytes =
        BitmapSectionBytes(infoHeader.biWidth, infoHeader.biHeight, infoHeader.biBitCount);
    // Every declared row must be in the file, whatever the image size field
    // claims: a header may not buy a huge section with a few bytes of file.
    unsigned long readBytes = sectionBytes;
    unsigned long pixelOffset = fileHeader.bfOffBits ? fileHeader.bfOffBits : colourOffset + colours * 4;
    if (!FitsIn(pixelOffset, readBytes, fileSize))
        return false;
    plan->header = infoHeader;
    plan->header.biSize = kInfoHeaderSize;
    plan->header.biSizeImage = sectionBytes;
    plan->header.biClrUsed = colours;
    plan->colourCount = colours;
    plan->colourOffset = colourOffset;
    plan->pixelOffset = pixelOffset;
    plan->readBytes = readBytes;
    return true;
}
