#include "tests/resources/TestBitmapIds.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"
#include "wizard/LoadBitmapFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::string SidePictureBytes()
{
    return RcDataBytes(18999);
}

// The bitmap's pixels as 8-bit RGB rows, top row first: the layout of
// ImageMagick's decoding.
std::string RgbRows(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<unsigned char> pixels(width * height * 4);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return std::string();
    std::string rgb;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        rgb += static_cast<char>(pixels[i + 2]);
        rgb += static_cast<char>(pixels[i + 1]);
        rgb += static_cast<char>(pixels[i]);
    }
    return rgb;
}

class LoadBitmapFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        path = TempDirectory() + "loadbitmaptest.bmp";
    }
    void TearDown() override { DeleteFileA(path.c_str()); }
    void Write(const std::string& bytes) { WriteFileBytes(path, bytes); }
    std::string path;
};

} // namespace

TEST_F(LoadBitmapFileTest, LoadsTheSidePictureWithItsPixels)
{
    std::string bytes = SidePictureBytes();
    ASSERT_EQ(28440u, bytes.size());
    Write(bytes);
    HBITMAP bitmap = LoadBitmapFile(path.c_str());
    ASSERT_NE(nullptr, bitmap);
    DIBSECTION section;
    ASSERT_EQ(static_cast<int>(sizeof section), GetObjectA(bitmap, sizeof section, &section));
    EXPECT_EQ(120, section.dsBm.bmWidth);
    EXPECT_EQ(228, section.dsBm.bmHeight);
    EXPECT_EQ(8, section.dsBm.bmBitsPixel);
    // The pixel rows are the file's, from offset 1078.
    ASSERT_NE(nullptr, section.dsBm.bmBits);
    EXPECT_EQ(0, std::memcmp(section.dsBm.bmBits, bytes.data() + 1078, 120 * 228));
    DeleteObject(bitmap);
}

TEST_F(LoadBitmapFileTest, RefusesDamagedFiles)
{
    std::string good = SidePictureBytes();
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"cut in the pixels", good.substr(0, 20000)},
        {"cut in the colour table", good.substr(0, 600)},
        {"cut in the header", good.substr(0, 30)},
        {"not BM", "XM" + good.substr(2)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(c.bytes);
        EXPECT_EQ(nullptr, LoadBitmapFile(path.c_str()));
    }
    DeleteFileA(path.c_str());
    EXPECT_EQ(nullptr, LoadBitmapFile(path.c_str())) << "no file";
}

TEST_F(LoadBitmapFileTest, PicturesWrittenByImageMagick)
{
    struct Case {
        const char* name;
        int id;
        int width, height, bitCount;
        int colours; // entries in the section's colour table
    } cases[] = {
        {"8-bit", IDR_BMP_EIGHT, 120, 228, 8, 256},
        {"24-bit", IDR_BMP_TRUE24, 30, 20, 24, 0},
        {"4-bit", IDR_BMP_FOUR, 30, 20, 4, 16},
        {"1-bit", IDR_BMP_ONE, 30, 20, 1, 2},
        {"V5 header", IDR_BMP_V5, 30, 20, 4, 16},
        {"image size beyond the pixels", IDR_BMP_IMAGE_SIZE_TOO_LARGE, 30, 20, 4, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(RcDataBytes(c.id));
        HBITMAP bitmap = LoadBitmapFile(path.c_str());
        ASSERT_NE(nullptr, bitmap);
        DIBSECTION section;
        ASSERT_EQ(static_cast<int>(sizeof section), GetObjectA(bitmap, sizeof section, &section));
        EXPECT_EQ(c.width, section.dsBm.bmWidth);
        EXPECT_EQ(c.height, section.dsBm.bmHeight);
        EXPECT_EQ(c.bitCount, section.dsBm.bmBitsPixel);
        RGBQUAD table[256];
        EXPECT_EQ(static_cast<UINT>(c.colours), ColourTableOf(bitmap, table));
        std::string expected = RcDataBytes(c.id + IDR_DECODED_OFFSET);
        ASSERT_EQ(static_cast<size_t>(c.width * c.height * 3), expected.size());
        EXPECT_TRUE(expected == RgbRows(bitmap, c.width, c.height)) << "pixels differ from ImageMagick's";
        DeleteObject(bitmap);
    }
}

TEST_F(LoadBitmapFileTest, RefusesWhatItDoesNotRead)
{
    struct Case {
        const char* name;
        int id;
    } cases[] = {
        {"12-byte core header", IDR_BMP_CORE},
        {"not BM", IDR_BMP_NOT_BM},
        {"top-down rows", IDR_BMP_TOP_DOWN},
        {"absurd width", IDR_BMP_ABSURD_WIDTH},
        {"truncated pixels", IDR_BMP_TRUNCATED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = RcDataBytes(c.id);
        ASSERT_FALSE(bytes.empty());
        Write(bytes);
        EXPECT_EQ(nullptr, LoadBitmapFile(path.c_str()));
        // The file is closed again: it can be deleted at once.
        EXPECT_TRUE(DeleteFileA(path.c_str()));
    }
}
