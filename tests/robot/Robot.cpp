#include "tests/robot/Robot.h"
#include <commctrl.h>
#include <prsht.h>
#include <cstdio>
#include <cstdlib>
#include "tests/robot/FolderBrowser.h"
#include "tests/robot/Screen.h"

namespace {

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

bool ParseBool(const std::string& word, bool* value) {
  if (word == "0" || word == "1") { *value = word == "1"; return true; }
  return false;
}

long ButtonId(const std::string& name) {
  static const struct { const char* name; long id; } kButtons[] = {
      {"back", 0x3023}, {"next", 0x3024}, {"finish", 0x3025}, {"cancel", IDCANCEL}, {"ok", IDOK},
      {"yes", IDYES},   {"no", IDNO},     {"abort", IDABORT},  {"retry", IDRETRY},   {"ignore", IDIGNORE}};
  for (const auto& button : kButtons)
    if (name == button.name) return button.id;
  return -1;
}

}  // namespace

const Robot::VerbEntry Robot::kVerbs[] = {
    {"start", 1, 20, &Robot::Start},
    {"timeout", 1, 1, &Robot::SetTimeout},
    {"wait-window", 1, 1, &Robot::WaitWindow},
    {"wait-gone", 1, 1, &Robot::WaitGone},
    {"expect-page", 1, 1, &Robot::ExpectPage},
    {"expect-text", 2, 2, &Robot::ExpectText},
    {"expect-checked", 2, 2, &Robot::ExpectChecked},
    {"expect-enabled", 2, 2, &Robot::ExpectEnabled},
    {"expect-visible", 2, 2, &Robot::ExpectVisible},
    {"expect-combo", 1, 100, &Robot::ExpectCombo},
    {"expect-selection", 2, 2, &Robot::ExpectSelection},
    {"set-text", 2, 2, &Robot::SetText},
    {"click", 1, 1, &Robot::Click},
    {"select-combo", 2, 2, &Robot::SelectCombo},
    {"press", 1, 1, &Robot::Press},
    {"expect-msgbox", 3, 3, &Robot::ExpectMessageBox},
    {"answer-msgbox", 1, 1, &Robot::AnswerMessageBox},
    {"expect-progress", 1, 1, &Robot::ExpectProgress},
    {"expect-progress-range", 2, 2, &Robot::ExpectProgressRange},
    {"expect-pixel", 3, 3, &Robot::ExpectPixel},
    {"save-png", 1, 2, &Robot::SavePng},
    {"expect-tray", 1, 2, &Robot::ExpectTray},
    {"browse-pick", 1, 1, &Robot::BrowsePick},
    {"browse-cancel", 0, 0, &Robot::BrowseCancel},
    {"wait-exit", 1, 1, &Robot::WaitExit},
};

Robot::Robot(const std::string& outputFolder) : outputFolder_(outputFolder), startTicks_(GetTickCount()) {}

Robot::~Robot() {
  if (process_.hProcess) {
    if (ProgramRunning()) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

double Robot::Seconds() const { return (GetTickCount() - startTicks_) / 1000.0; }

bool Robot::ProgramRunning() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void Robot::Pump(DWORD milliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool Robot::Poll(const std::function<bool(std::string*)>& check, std::string* seen) {
  DWORD start = GetTickCount();
  for (;;) {
    if (check(seen)) return true;
    if ((GetTickCount() - start) / 1000.0 >= timeoutSeconds_) {
      char waited[64];
      std::snprintf(waited, sizeof waited, " (waited %.1f s)", timeoutSeconds_);
      *seen += waited;
      return false;
    }
    Pump(10);
  }
}

int Robot::Run(const std::vector<ScenarioStep>& steps) {
  if (!tray_.Create()) {
    std::printf("FAIL: cannot create the Shell_TrayWnd recorder\n");
    return 1;
  }
  for (const ScenarioStep& step : steps) {
    double begin = Seconds();
    std::printf("[%7.2f s] line %d: %s ...", begin, step.line, step.source.c_str());
    std::fflush(stdout);
    std::string failure;
    if (!Execute(step, &failure)) {
      std::printf(" FAILED\nFAIL at line %d `%s`: %s\n", step.line, step.source.c_str(), failure.c_str());
      ReportFailureState();
      std::fflush(stdout);
      return 1;
    }
    std::printf(" ok (%.2f s)\n", Seconds() - begin);
    std::fflush(stdout);
  }
  if (ProgramRunning()) {
    std::printf("FAIL: the program is still running after the last step (end a scenario with wait-exit)\n");
    return 1;
  }
  std::printf("[%7.2f s] scenario passed\n", Seconds());
  return 0;
}

bool Robot::Execute(const ScenarioStep& step, std::string* failure) {
  const std::string& verb = step.words[0];
  Words arguments(step.words.begin() + 1, step.words.end());
  for (const VerbEntry& entry : kVerbs) {
    if (verb != entry.name) continue;
    if (arguments.size() < entry.minWords || arguments.size() > entry.maxWords) {
      *failure = "wrong number of words for " + verb;
      return false;
    }
    return (this->*entry.run)(arguments, failure);
  }
  *failure = "unknown verb " + verb;
  return false;
}

void Robot::ReportFailureState() {
  if (!process_.hProcess) return;
  std::printf("windows of the program at the failure:\n");
  for (HWND window : TopLevelWindowsOf(process_.dwProcessId)) {
    std::string caption;
    TextOf(window, &caption);
    std::printf("  %s class %s caption \"%s\"\n", KindName(KindOf(window)), ClassOf(window).c_str(),
                caption.c_str());
  }
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  ScreenImage image;
  if (CaptureScreen(screen, &image)) WriteBmp(image, outputFolder_ + "\\failure.bmp");
}

HWND Robot::FindWindowOf(const std::string& kindOrCaption) const {
  WindowKind kind;
  bool byKind = KindFromName(kindOrCaption, &kind);
  for (HWND window : TopLevelWindowsOf(process_.dwProcessId)) {
    if (byKind && KindOf(window) == kind) return window;
    std::string caption;
    if (!byKind && TextOf(window, &caption) && caption == kindOrCaption) return window;
  }
  return nullptr;
}

bool Robot::NeedCurrent(std::string* failure) const {
  if (current_ && IsWindow(current_)) return true;
  *failure = "no current window (a wait-window step first)";
  return false;
}

bool Robot::NeedControl(const std::string& name, HWND* control, std::string* failure) {
  if (!NeedCurrent(failure)) return false;
  long id = ButtonId(name);
  if (id < 0 && !ParseScenarioNumber(name, &id)) {
    *failure = "not a control id: " + name;
    return false;
  }
  std::string seen;
  bool found = Poll([&](std::string* s) {
    *control = FindControl(current_, id);
    *s = "no control " + name + " in the current window";
    return *control != nullptr;
  }, &seen);
  if (!found) *failure = seen;
  return found;
}

bool Robot::Start(const Words& words, std::string* failure) {
  std::string commandLine;
  for (const std::string& word : words) {
    char expanded[1024];
    DWORD size = ExpandEnvironmentStringsA(word.c_str(), expanded, sizeof expanded);
    if (size == 0 || size > sizeof expanded) { *failure = "cannot expand " + word; return false; }
    if (!commandLine.empty()) commandLine += ' ';
    commandLine += Quote(expanded);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    *failure = "cannot start " + commandLine + ", error " + std::to_string(GetLastError());
    return false;
  }
  return true;
}

bool Robot::SetTimeout(const Words& words, std::string* failure) {
  long seconds;
  if (!ParseScenarioNumber(words[0], &seconds) || seconds <= 0) { *failure = "bad timeout"; return false; }
  timeoutSeconds_ = seconds;
  return true;
}

bool Robot::WaitWindow(const Words& words, std::string* failure) {
  std::string seen;
  bool found = Poll([&](std::string* s) {
    current_ = FindWindowOf(words[0]);
    *s = "expected a window " + words[0] + ", saw none";
    return current_ != nullptr;
  }, &seen);
  if (!found) *failure = seen;
  return found;
}

bool Robot::WaitGone(const Words& words, std::string* failure) {
  std::string seen;
  bool gone = Poll([&](std::string* s) {
    *s = "expected no window " + words[0] + ", it is still there";
    return FindWindowOf(words[0]) == nullptr;
  }, &seen);
  if (!gone) *failure = seen;
  return gone;
}

bool Robot::ExpectPage(const Words& words, std::string* failure) {
  long wanted;
  if (!ParseScenarioNumber(words[0], &wanted)) { *failure = "bad page id"; return false; }
  if (!NeedCurrent(failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    long id = -1;
    if (!CurrentPageId(current_, &id, nullptr)) { *s = "expected page " + words[0] + ", saw no page"; return false; }
    *s = "expected page " + words[0] + ", saw page " + std::to_string(id);
    return id == wanted;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectText(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    std::string text;
    if (!TextOf(control, &text)) { *s = "expected " + Quote(words[1]) + ", the query timed out"; return false; }
    *s = "expected " + Quote(words[1]) + ", saw " + Quote(text);
    return text == words[1];
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectChecked(const Words& words, std::string* failure) {
  HWND control;
  long wanted;
  if (!ParseScenarioNumber(words[1], &wanted)) { *failure = "bad check state"; return false; }
  if (!NeedControl(words[0], &control, failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    long state = -1;
    CheckState(control, &state);
    *s = "expected check state " + words[1] + ", saw " + std::to_string(state);
    return state == wanted;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

// A yes/no property of a control, polled until it has the wanted value.
bool Robot::ExpectControlFlag(const Words& words, std::string* failure, BOOL(WINAPI* property)(HWND),
                              const char* onName, const char* offName) {
  HWND control;
  bool wanted;
  if (!ParseBool(words[1], &wanted)) { *failure = "expected 0 or 1"; return false; }
  if (!NeedControl(words[0], &control, failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    bool on = property(control) != 0;
    *s = std::string("expected ") + (wanted ? onName : offName) + ", saw " + (on ? onName : offName);
    return on == wanted;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectEnabled(const Words& words, std::string* failure) {
  return ExpectControlFlag(words, failure, IsWindowEnabled, "enabled", "disabled");
}

bool Robot::ExpectVisible(const Words& words, std::string* failure) {
  return ExpectControlFlag(words, failure, IsWindowVisible, "visible", "hidden");
}

bool Robot::ExpectCombo(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  Words wanted(words.begin() + 1, words.end());
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    std::vector<std::string> entries;
    ComboEntries(control, &entries);
    std::string expected, shown;
    for (const auto& w : wanted) expected += " " + Quote(w);
    for (const auto& e : entries) shown += " " + Quote(e);
    *s = "expected entries" + expected + ", saw" + shown;
    return entries == wanted;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectSelection(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    std::vector<std::string> entries;
    long index = -1;
    ComboEntries(control, &entries);
    ComboSelection(control, &index);
    std::string selected = index >= 0 && size_t(index) < entries.size() ? entries[index] : "";
    *s = "expected selection " + Quote(words[1]) + ", saw " + Quote(selected);
    return selected == words[1];
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::SetText(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  if (lstrcmpiA(ClassOf(control).c_str(), "Edit") != 0) { *failure = "control " + words[0] + " is no edit"; return false; }
  // Typed, as a user would: the program sees EN_CHANGE, and nothing is sent.
  PostMessageA(control, EM_SETSEL, 0, -1);
  PostMessageA(control, WM_CLEAR, 0, 0);
  for (unsigned char c : words[1]) PostMessageA(control, WM_CHAR, c, 1);
  Words check = {words[0], words[1]};
  return ExpectText(check, failure);
}

bool Robot::Click(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  if (!IsWindowEnabled(control)) { *failure = "control " + words[0] + " is disabled"; return false; }
  PostMessageA(control, BM_CLICK, 0, 0);
  return true;
}

bool Robot::SelectCombo(const Words& words, std::string* failure) {
  HWND control;
  if (!NeedControl(words[0], &control, failure)) return false;
  std::vector<std::string> entries;
  ComboEntries(control, &entries);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] != words[1]) continue;
    PostMessageA(control, CB_SETCURSEL, i, 0);
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
    return ExpectSelection(words, failure);
  }
  *failure = "no entry " + Quote(words[1]) + " in combo " + words[0];
  return false;
}

bool Robot::Press(const Words& words, std::string* failure) {
  static const struct { const char* name; WPARAM button; } kPress[] = {
      {"back", PSBTN_BACK}, {"next", PSBTN_NEXT}, {"finish", PSBTN_FINISH}, {"cancel", PSBTN_CANCEL}};
  HWND control;
  for (const auto& press : kPress) {
    if (words[0] != press.name) continue;
    if (!NeedControl(words[0], &control, failure)) return false;
    if (!IsWindowEnabled(control) || !IsWindowVisible(control)) {
      *failure = "the " + words[0] + " button is disabled or hidden";
      return false;
    }
    PostMessageA(current_, PSM_PRESSBUTTON, press.button, 0);
    return true;
  }
  *failure = "press back, next, finish or cancel";
  return false;
}

bool Robot::WaitForMessageBox(HWND* box, std::string* failure) {
  std::string seen;
  bool found = Poll([&](std::string* s) {
    *box = FindWindowOf("msgbox");
    *s = "expected a message box, saw none";
    return *box != nullptr;
  }, &seen);
  if (!found) *failure = seen;
  return found;
}

bool Robot::ExpectMessageBox(const Words& words, std::string* failure) {
  HWND box;
  if (!WaitForMessageBox(&box, failure)) return false;
  messageBox_ = box;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    std::string text, caption, icon = "none";
    TextOf(box, &caption);
    for (HWND child : DescendantsOf(box)) {
      if (ClassOf(child) != "Static") continue;
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        if (IsWindowVisible(child)) {
          icon = IdentifyStandardIcon(child);
          if (icon.empty()) icon = "unknown";
        }
      } else {
        std::string candidate;
        if (TextOf(child, &candidate) && candidate.size() > text.size()) text = candidate;
      }
    }
    *s = "expected text " + Quote(words[0]) + " caption " + Quote(words[1]) + " icon " + words[2] + ", saw text " +
         Quote(text) + " caption " + Quote(caption) + " icon " + icon;
    return PaintingFinished(box) && text == words[0] && caption == words[1] && icon == words[2];
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::AnswerMessageBox(const Words& words, std::string* failure) {
  HWND box = messageBox_ && IsWindow(messageBox_) ? messageBox_ : nullptr;
  if (!box && !WaitForMessageBox(&box, failure)) return false;
  long id = ButtonId(words[0]);
  HWND button = id > 0 ? GetDlgItem(box, id) : nullptr;
  if (!button) { *failure = "the message box has no " + words[0] + " button"; return false; }
  messageBox_ = nullptr;
  return ClickAndWaitGone(box, button, "the message box is still there after " + words[0], failure);
}

bool Robot::ExpectProgress(const Words& words, std::string* failure) {
  long wanted;
  if (!ParseScenarioNumber(words[0], &wanted)) { *failure = "bad position"; return false; }
  if (!NeedCurrent(failure)) return false;
  HWND bar = FindDescendantOfClass(current_, PROGRESS_CLASSA);
  if (!bar) { *failure = "no progress bar in the current window"; return false; }
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    long position = -1;
    ProgressPosition(bar, &position);
    *s = "expected position " + words[0] + ", saw " + std::to_string(position);
    return position == wanted;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectProgressRange(const Words& words, std::string* failure) {
  long low, high;
  if (!ParseScenarioNumber(words[0], &low) || !ParseScenarioNumber(words[1], &high)) { *failure = "bad range"; return false; }
  if (!NeedCurrent(failure)) return false;
  HWND bar = FindDescendantOfClass(current_, PROGRESS_CLASSA);
  if (!bar) { *failure = "no progress bar in the current window"; return false; }
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    long a = -1, b = -1;
    ProgressRange(bar, &a, &b);
    *s = "expected range " + words[0] + ".." + words[1] + ", saw " + std::to_string(a) + ".." + std::to_string(b);
    return a == low && b == high;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::ExpectPixel(const Words& words, std::string* failure) {
  long x, y;
  unsigned long rgb;
  char* end = nullptr;
  rgb = std::strtoul(words[2].c_str(), &end, 16);
  if (!ParseScenarioNumber(words[0], &x) || !ParseScenarioNumber(words[1], &y) || words[2].size() != 6 || *end) {
    *failure = "expect-pixel X Y RRGGBB";
    return false;
  }
  if (!NeedCurrent(failure)) return false;
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    RECT window;
    GetWindowRect(current_, &window);
    RECT spot = {window.left + x, window.top + y, window.left + x + 1, window.top + y + 1};
    ScreenImage image;
    *s = "expected pixel " + words[2] + ", the point is off the screen";
    if (!PaintingFinished(current_) || !CaptureScreen(spot, &image) || image.width != 1) return false;
    char shown[16];
    COLORREF c = image.pixels[0];
    std::snprintf(shown, sizeof shown, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    *s = "expected pixel " + words[2] + ", saw " + shown;
    return c == RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

// Waits until painting has finished and two captures 100 ms apart agree:
// the program's drawing reaches the X server on its own connection.
bool Robot::SaveStableCapture(RECT area, const std::string& name, std::string* failure) {
  ScreenImage previous, image;
  std::string seen;
  bool stable = Poll([&](std::string* s) {
    *s = "the picture did not settle";
    if (current_ && IsWindow(current_) && !PaintingFinished(current_)) return false;
    if (!CaptureScreen(area, &image)) { *s = "the area is off the screen"; return false; }
    bool same = image.width == previous.width && image.height == previous.height && image.pixels == previous.pixels;
    previous = image;
    if (!same) Pump(100);
    return same;
  }, &seen);
  if (!stable) { *failure = seen; return false; }
  std::string path = outputFolder_ + "\\" + name + ".bmp";
  if (!WriteBmp(image, path)) { *failure = "cannot write " + path; return false; }
  return true;
}

bool Robot::SavePng(const Words& words, std::string* failure) {
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  std::string what = words.size() > 1 ? words[1] : "window";
  if (what == "window") {
    if (!NeedCurrent(failure)) return false;
    GetWindowRect(current_, &area);
  } else if (what == "msgbox") {
    HWND box;
    if (!WaitForMessageBox(&box, failure)) return false;
    GetWindowRect(box, &area);
  } else if (what != "screen") {
    *failure = "save-png NAME [window|msgbox|screen]";
    return false;
  }
  return SaveStableCapture(area, words[0], failure);
}

bool Robot::ExpectTray(const Words& words, std::string* failure) {
  long message, wParam = -1;
  if (!ParseScenarioNumber(words[0], &message) || (words.size() > 1 && !ParseScenarioNumber(words[1], &wParam))) {
    *failure = "expect-tray MESSAGE [WPARAM]";
    return false;
  }
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    *s = "expected tray message " + words[0] + (wParam >= 0 ? " " + words[1] : "") + ", saw";
    for (const TrayMessage& m : tray_.Messages()) {
      if (m.message == UINT(message) && (wParam < 0 || m.wParam == WPARAM(wParam))) return true;
      char one[48];
      std::snprintf(one, sizeof one, " 0x%X/%lu", m.message, static_cast<unsigned long>(m.wParam));
      *s += one;
    }
    if (tray_.Messages().empty()) *s += " none";
    return false;
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

bool Robot::WaitExit(const Words& words, std::string* failure) {
  long wanted = 0;
  bool anyCode = words[0] == "any";  // a program that is expected to break
  if (!anyCode && !ParseScenarioNumber(words[0], &wanted)) { *failure = "bad exit code"; return false; }
  if (!process_.hProcess) { *failure = "no program started"; return false; }
  std::string seen;
  bool ok = Poll([&](std::string* s) {
    *s = "expected the program to exit with " + words[0] + ", it is still running";
    if (ProgramRunning()) return false;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    *s = "expected exit code " + words[0] + ", saw " + std::to_string(code);
    return anyCode || code == DWORD(wanted);
  }, &seen);
  if (!ok) *failure = seen;
  return ok;
}

// The current window must be the folder browser; its button is clicked and
// the browser must then go away.
bool Robot::CloseBrowser(int buttonId, std::string* failure) {
  HWND browser = current_;
  HWND button = GetDlgItem(browser, buttonId);
  if (!button || !IsWindowEnabled(button)) { *failure = "the browser's button " + std::to_string(buttonId) + " is missing or disabled"; return false; }
  current_ = nullptr;
  return ClickAndWaitGone(browser, button, "the folder browser is still there", failure);
}

// Posts a click on a button of window and waits until the window has gone.
bool Robot::ClickAndWaitGone(HWND window, HWND button, const std::string& stillThere, std::string* failure) {
  PostMessageA(button, BM_CLICK, 0, 0);
  std::string seen;
  bool gone = Poll([&](std::string* s) {
    *s = stillThere;
    return !IsWindow(window) || !IsWindowVisible(window);
  }, &seen);
  if (!gone) *failure = seen;
  return gone;
}

bool Robot::NeedBrowser(HWND* tree, std::string* failure) {
  if (!NeedCurrent(failure)) return false;
  if (KindOf(current_) != WindowKind::Browser) { *failure = "the current window is no folder browser (wait-window browser first)"; return false; }
  *tree = FindDescendantOfClass(current_, WC_TREEVIEWA);
  if (!*tree) { *failure = "the folder browser has no tree"; return false; }
  return true;
}

bool Robot::BrowsePick(const Words& words, std::string* failure) {
  HWND treeWindow;
  if (!NeedBrowser(&treeWindow, failure)) return false;
  RemoteTree tree(process_.hProcess, treeWindow);
  if (!tree.Usable()) { *failure = "no memory in the program for tree queries"; return false; }
  std::string seen;
  // Children appear only after the browser has filled an expanded item: poll.
  bool picked = Poll([&](std::string* s) {
    HTREEITEM item = nullptr;
    if (!FindFolderItem(tree, words[0], &item, s)) return false;
    *s = "could not select " + Quote(words[0]);
    return tree.Select(item) && tree.Selected() == item && IsWindowEnabled(GetDlgItem(current_, IDOK));
  }, &seen);
  if (!picked) { *failure = seen; return false; }
  return CloseBrowser(IDOK, failure);
}

bool Robot::BrowseCancel(const Words&, std::string* failure) {
  HWND tree;
  if (!NeedBrowser(&tree, failure)) return false;
  return CloseBrowser(IDCANCEL, failure);
}
