#include "tests/robot/Screen.h"
#include <cstdio>
#include "tests/robot/WindowQuery.h"

RECT ClipToScreen(RECT area) {
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT clipped = {0, 0, 0, 0};
  IntersectRect(&clipped, &area, &screen);
  return clipped;
}

namespace {

// Reads a DC's rectangle into an image through a 32-bit DIB section.
bool ReadDc(HDC source, int x, int y, int width, int height, ScreenImage* image) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, old);
    if (ok) {
      image->width = width;
      image->height = height;
      image->pixels.resize(size_t(width) * height);
      const DWORD* row = static_cast<const DWORD*>(bits);
      for (size_t i = 0; i < image->pixels.size(); ++i)
        image->pixels[i] = RGB((row[i] >> 16) & 0xFF, (row[i] >> 8) & 0xFF, row[i] & 0xFF);
    }
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  return ok;
}

void PutLittleEndian(std::vector<unsigned char>* out, unsigned long value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back((value >> (8 * i)) & 0xFF);
}

// Draws a standard icon on the given background, the way a static control does.
bool RenderIcon(LPCSTR which, COLORREF background, int width, int height, ScreenImage* image) {
  HICON icon = LoadIconA(nullptr, which);
  if (!icon) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all = {0, 0, width, height};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  bool ok = ReadDc(memory, 0, 0, width, height, image);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

}  // namespace

bool CaptureScreen(RECT area, ScreenImage* image) {
  RECT clipped = ClipToScreen(area);
  int width = clipped.right - clipped.left, height = clipped.bottom - clipped.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  bool ok = ReadDc(screen, clipped.left, clipped.top, width, height, image);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool WriteBmp(const ScreenImage& image, const std::string& path) {
  unsigned long rowBytes = (image.width * 3 + 3) & ~3ul;
  unsigned long dataBytes = rowBytes * image.height;
  std::vector<unsigned char> out;
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(&out, 54 + dataBytes, 4);
  PutLittleEndian(&out, 0, 4);
  PutLittleEndian(&out, 54, 4);
  PutLittleEndian(&out, 40, 4);
  PutLittleEndian(&out, image.width, 4);
  PutLittleEndian(&out, image.height, 4);
  PutLittleEndian(&out, 1, 2);
  PutLittleEndian(&out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLittleEndian(&out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      COLORREF c = image.pixels[size_t(y) * image.width + x];
      out.push_back(GetBValue(c));
      out.push_back(GetGValue(c));
      out.push_back(GetRValue(c));
    }
    for (unsigned long pad = image.width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && ok;
}

bool PaintingFinished(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND child : DescendantsOf(window))
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return false;
  return true;
}

std::string IdentifyStandardIcon(HWND iconControl) {
  RECT area;
  if (!iconControl || !IsWindowVisible(iconControl) || !GetClientRect(iconControl, &area)) return "";
  MapWindowPoints(iconControl, nullptr, reinterpret_cast<POINT*>(&area), 2);
  ScreenImage shown;
  int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  area.right = area.left + width;
  area.bottom = area.top + height;
  if (!CaptureScreen(area, &shown) || shown.width != width || shown.height != height) return "";
  COLORREF background = GetSysColor(COLOR_BTNFACE);
  static const struct { LPCSTR id; const char* name; } kIcons[] = {
      {IDI_HAND, "error"}, {IDI_EXCLAMATION, "warning"}, {IDI_QUESTION, "question"}, {IDI_ASTERISK, "information"}};
  std::string best;
  size_t bestDifferences = shown.pixels.size() / 20 + 1;  // at most 5 % may differ
  for (const auto& icon : kIcons) {
    ScreenImage drawn;
    if (!RenderIcon(icon.id, background, width, height, &drawn)) continue;
    size_t differences = 0;
    for (size_t i = 0; i < drawn.pixels.size(); ++i) differences += drawn.pixels[i] != shown.pixels[i];
    if (differences < bestDifferences) { bestDifferences = differences; best = icon.name; }
  }
  return best;
}
