#include "wizard/LoadBitmapFile.h"

#include "util/Memory.h"
#include "wizard/BitmapHeader.h"

// Owns one open file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE handle;
};

static bool ReadExactly(HANDLE file, unsigned long offset, void* buffer, unsigned long count)
{
    if (SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) != offset)
        return false;
    DWORD done = 0;
    return ReadFile(file, buffer, count, &done, nullptr) && done == count;
}

static bool ReadPlan(HANDLE file, BitmapLoadPlan* plan)
{
    DWORD sizeHigh = 0;
    DWORD fileSize = GetFileSize(file, &sizeHigh);
    if (fileSize == INVALID_FILE_SIZE || sizeHigh != 0)
        return false;
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    if (!ReadExactly(file, 0, &fileHeader, kFileHeaderSize))
        return false;
    if (!ReadExactly(file, kFileHeaderSize, &infoHeader, kInfoHeaderSize))
        return false;
    return PlanBitmapLoad(fileHeader, infoHeader, fileSize, plan);
}

static HBITMAP CreateSection(HANDLE file, const BitmapLoadPlan& plan)
{
    unsigned long tableBytes = plan.colourCount * 4;
    BITMAPINFO* info = static_cast<BITMAPINFO*>(MemAlloc(kInfoHeaderSize + tableBytes));
    if (!info)
        return nullptr;
    MemCopy(info, &plan.header, kInfoHeaderSize);
    HBITMAP bitmap = nullptr;
    void* pixels = nullptr;
    if (tableBytes == 0 || ReadExactly(file, plan.colourOffset, info->bmiColors, tableBytes))
        bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    MemFree(info);
    if (bitmap && !ReadExactly(file, plan.pixelOffset, pixels, plan.readBytes)) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

HBITMAP LoadBitmapFile(const char* path)
{
    FileHandle file(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return nullptr;
    BitmapLoadPlan plan;
    if (!ReadPlan(file.handle, &plan))
        return nullptr;
    return CreateSection(file.handle, plan);
}
