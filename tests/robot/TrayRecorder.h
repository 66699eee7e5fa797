// A window of class Shell_TrayWnd of the robot's own, created before the
// program starts so that FindWindow finds it before Wine's hidden one (a
// WM_COMMAND to Wine's opens its Start menu and blocks the sender).
// It records every message it receives; messages arrive while the robot
// pumps its queue between polls.
#pragma once
#include <windows.h>
#include <vector>

struct TrayMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class TrayRecorder {
 public:
  TrayRecorder() = default;
  TrayRecorder(const TrayRecorder&) = delete;
  TrayRecorder& operator=(const TrayRecorder&) = delete;
  ~TrayRecorder();
  // False (and no window) when the class or window cannot be created.
  bool Create();
  const std::vector<TrayMessage>& Messages() const { return messages_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::vector<TrayMessage> messages_;
};
