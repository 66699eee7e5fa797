#include "tests/robot/TrayRecorder.h"

namespace {
TrayRecorder* recorder;
// Messages every window gets while it is created or destroyed; not the program's.
bool IsOwnTraffic(UINT message) {
  return message == WM_NCCREATE || message == WM_CREATE || message == WM_NCCALCSIZE ||
         message == WM_DESTROY || message == WM_NCDESTROY || message == WM_GETMINMAXINFO ||
         message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED || message == WM_MOVE ||
         message == WM_SIZE || message == WM_SHOWWINDOW;
}
}  // namespace

TrayRecorder::~TrayRecorder() {
  if (window_) DestroyWindow(window_);
  recorder = nullptr;
}

bool TrayRecorder::Create() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "Shell_TrayWnd";
  if (!RegisterClassA(&windowClass)) return false;
  recorder = this;
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  return window_ != nullptr;
}

LRESULT CALLBACK TrayRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (recorder && !IsOwnTraffic(message)) recorder->messages_.push_back({message, wParam, lParam});
  return DefWindowProcA(window, message, wParam, lParam);
}
