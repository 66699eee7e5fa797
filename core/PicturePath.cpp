#include "core/PicturePath.h"

#include "util/Memory.h"
#include "util/Text.h"

#include <windows.h>

bool PicturePathForProgram(char* path)
{
    unsigned long length = StrLength(path);
    if (length < 5 || lstrcmpiA(path + length - 4, ".exe") != 0)
        return false;
    MemCopy(path + length - 4, ".bmp", 4);
    return true;
}
