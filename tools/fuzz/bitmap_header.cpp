// The BMP header plan: two headers as they stand in a file, then the file size.
#include "FuzzInput.h"
#include "wizard/BitmapHeader.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))
        return 0;
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    memcpy(&fileHeader, data, sizeof fileHeader);
    memcpy(&infoHeader, data + sizeof fileHeader, sizeof infoHeader);
    FuzzInput input(data + sizeof fileHeader + sizeof infoHeader,
                    size - sizeof fileHeader - sizeof infoHeader);
    uint64_t fileSize = input.Number();
    BitmapLoadPlan plan;
    if (!PlanBitmapLoad(fileHeader, infoHeader, static_cast<unsigned long>(fileSize), &plan))
        return 0;
    // Recomputed in 64 bits, where nothing can wrap: every range the plan
    // reads lies in the file, and the section holds exactly what is read.
    uint64_t rowBytes = (static_cast<uint64_t>(plan.header.biWidth) * plan.header.biBitCount + 31) / 32 * 4;
    uint64_t sectionBytes = rowBytes * static_cast<uint64_t>(plan.header.biHeight);
    FUZZ_CHECK(plan.header.biWidth > 0 && plan.header.biWidth <= kBitmapMaxSide);
    FUZZ_CHECK(plan.header.biHeight > 0 && plan.header.biHeight <= kBitmapMaxSide);
    FUZZ_CHECK(plan.readBytes == sectionBytes && plan.header.biSizeImage == sectionBytes);
    FUZZ_CHECK(plan.colourCount <= 256);
    FUZZ_CHECK(static_cast<uint64_t>(plan.colourOffset) + 4ull * plan.colourCount <= fileSize);
    FUZZ_CHECK(static_cast<uint64_t>(plan.pixelOffset) + plan.readBytes <= fileSize);
    FUZZ_CHECK(plan.colourOffset >= kFileHeaderSize + kInfoHeaderSize);
    return 0;
}
