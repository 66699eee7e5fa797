#include "wizard/BitmapHeader.h"

#include <gtest/gtest.h>

// Headers of a 120 x 228, 8-bit file as the side picture has them.
static void SidePicture(BITMAPFILEHEADER* file, BITMAPINFOHEADER* info)
{
    *file = BITMAPFILEHEADER{};
    file->bfType = 0x4D42;
    file->bfOffBits = 1078;
    *info = BITMAPINFOHEADER{};
    info->biSize = 40;
    info->biWidth = 120;
    info->biHeight = 228;
    info->biPlanes = 1;
    info->biBitCount = 8;
}

TEST(PlanBitmapLoad, SidePicture)
{
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    SidePicture(&file, &info);
    BitmapLoadPlan plan;
    ASSERT_TRUE(PlanBitmapLoad(file, info, 1078 + 27360, &plan));
    EXPECT_EQ(256u, plan.colourCount);
    EXPECT_EQ(54u, plan.colourOffset);
    EXPECT_EQ(1078u, plan.pixelOffset);
    EXPECT_EQ(27360u, plan.readBytes);
    EXPECT_EQ(27360u, plan.header.biSizeImage);
}

TEST(PlanBitmapLoad, RefusedAndBounded)
{
    struct Case { const char* name; void (*change)(BITMAPFILEHEADER&, BITMAPINFOHEADER&);
                  unsigned long fileSize; bool accepted; unsigned long readBytes; } cases[] = {
        {"not BM", [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfType = 0x4142; }, 28438, false, 0},
        {"core header", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSize = 12; }, 28438, false, 0},
        {"truncated", [](BITMAPFILEHEADER&, BITMAPINFOHEADER&) {}, 28437, false, 0},
        {"image size beyond the pixels",
         [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSizeImage = 0x7FFFFFFF; }, 28438, true, 27360},
        {"negative height", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = -228; }, 28438, false, 0},
        {"absurd width", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = 16385; }, 1u << 31, false, 0},
        {"compressed", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biCompression = BI_RLE8; }, 28438, false, 0},
        {"16 bits", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biBitCount = 16; }, 1u << 20, false, 0},
        {"too many colours", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biClrUsed = 257; }, 1u << 20, false, 0},
        // An image size smaller than the rows does not excuse the rows missing.
        {"image size 1, rows missing", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSizeImage = 1; }, 1079, false, 0},
        {"image size 1, rows present", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSizeImage = 1; }, 28438, true,
         27360},
        {"pixels offset past the end", [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfOffBits = 28439; }, 28438, false,
         0},
        {"pixels offset wraps", [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfOffBits = 0xFFFFFFF0; }, 28438, false,
         0},
        {"colour table longer than the file",
         [](BITMAPFILEHEADER& f, BITMAPINFOHEADER& i) { i.biClrUsed = 256; f.bfOffBits = 0; }, 1000, false, 0},
        // 55 bytes declaring 16,384 x 16,384 at 24 bits (an 805 MB section) with an image size of 1.
        {"huge picture in 55 bytes",
         [](BITMAPFILEHEADER& f, BITMAPINFOHEADER& i) {
             i.biWidth = 16384; i.biHeight = 16384; i.biBitCount = 24; i.biSizeImage = 1; f.bfOffBits = 54;
         }, 55, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BITMAPFILEHEADER file;
        BITMAPINFOHEADER info;
        SidePicture(&file, &info);
        c.change(file, info);
        BitmapLoadPlan plan = {};
        EXPECT_EQ(c.accepted, PlanBitmapLoad(file, info, c.fileSize, &plan));
        if (c.accepted)
            EXPECT_EQ(c.readBytes, plan.readBytes);
    }
}

TEST(PlanBitmapLoad, V5HeaderPutsColoursAfterWholeHeader)
{
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    SidePicture(&file, &info);
    info.biSize = 124;
    info.biBitCount = 4;
    info.biClrUsed = 16;
    file.bfOffBits = 14 + 124 + 64;
    BitmapLoadPlan plan;
    ASSERT_TRUE(PlanBitmapLoad(file, info, 100000, &plan));
    EXPECT_EQ(138u, plan.colourOffset);
    EXPECT_EQ(40u, plan.header.biSize);
    EXPECT_EQ(16u, plan.colourCount);
}
