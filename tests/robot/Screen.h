// Reading the screen back: Xvfb at 24 bits gives exact colours through the
// screen DC. A source rectangle partly off the screen comes back all black
// under Wine, so every rectangle is clipped to the screen first.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct ScreenImage {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;   // row-major, top row first
};

RECT ClipToScreen(RECT area);
// Copies the (clipped) area of the screen; false when nothing of it is on the screen.
bool CaptureScreen(RECT area, ScreenImage* image);
// Writes a 24-bit bottom-up BMP; false when the file cannot be written.
bool WriteBmp(const ScreenImage& image, const std::string& path);
// True when neither the window nor any descendant has a pending update region.
bool PaintingFinished(HWND window);
// Which standard icon a message box's icon control shows: "error",
// "warning", "question", "information", or "" when none matches.
std::string IdentifyStandardIcon(HWND iconControl);
