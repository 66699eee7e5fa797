#pragma once
// What the test programs of the end-to-end scenarios share with the setup
// program's run: the maximised backdrop and the side picture unpacked from
// the program's own payload.
#include "core/Backdrop.h"
#include "core/Installer.h"
#include "payload/PayloadExtractor.h"
#include "resources/ResourceIds.h"
#include "wizard/LoadBitmapFile.h"

#include <windows.h>

// The side picture through a temporary file named fileName, or null.
inline HBITMAP UnpackSidePicture(const char* fileName)
{
    char path[MAX_PATH];
    GetTempPathA(sizeof path, path);
    lstrcatA(path, fileName);
    PayloadExtractor extractor;
    HBITMAP picture = nullptr;
    if (extractor.ExtractPayload(IDR_SIDE_PICTURE, path))
        picture = LoadBitmapFile(path);
    DeleteFileA(path);
    return picture;
}

// The backdrop, maximised and painted, registered with the installer; null
// when it cannot be made.
inline HWND ShowBackdrop(Installer& installer, const char* title)
{
    HWND backdrop = CreateBackdrop(title);
    if (!backdrop)
        return nullptr;
    installer.backdropWindow = backdrop;
    ShowWindow(backdrop, SW_SHOWMAXIMIZED);
    UpdateWindow(backdrop);
    return backdrop;
}
