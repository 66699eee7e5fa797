#pragma once
#include <windows.h>

// Reads a bottom-up, uncompressed BMP of 1, 4, 8 or 24 bits into a new DIB
// section (the caller deletes it). Null, with nothing left open or allocated,
// for a file that cannot be read or that PlanBitmapLoad refuses.
HBITMAP LoadBitmapFile(const char* path);
