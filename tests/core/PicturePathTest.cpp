#include "core/PicturePath.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PicturePathForProgram, ReplacesTheExeEndingOnly)
{
    struct Case {
        const char* program;
        const char* picture; // null: no picture looked for
    } cases[] = {
        {"C:\\Downloads\\setup.exe", "C:\\Downloads\\setup.bmp"},
        {"C:\\Downloads\\SETUP.EXE", "C:\\Downloads\\SETUP.bmp"},
        {"a.Exe", "a.bmp"},
        {".exe", nullptr},                 // fewer than five characters
        {"C:\\Downloads\\setup.com", nullptr},
        {"C:\\Downloads\\setup.exe.txt", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        char path[260];
        std::strcpy(path, c.program);
        EXPECT_EQ(c.picture != nullptr, PicturePathForProgram(path));
        EXPECT_STREQ(c.picture ? c.picture : c.program, path);
    }
}
