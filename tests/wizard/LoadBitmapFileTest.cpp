#include "tests/support/TestFiles.h"
#include "wizard/LoadBitmapFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <windows.h>

namespace {

std::string SidePictureBytes()
{
    return RcDataBytes(18999);
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
