#include "tests/robot/WindowQuery.h"
#include <commctrl.h>
#include <prsht.h>
#include <tlhelp32.h>
#include <algorithm>

namespace {

struct ProcessWindows {
  std::vector<DWORD> processIds;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  ProcessWindows* wanted = reinterpret_cast<ProcessWindows*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (!IsWindowVisible(window)) return TRUE;
  for (DWORD id : wanted->processIds)
    if (owner == id) { wanted->windows->push_back(window); break; }
  return TRUE;
}

// The process and every process it started, and they started, that is still
// running: a shell's start command or a control panel runs the program the
// scenario is about as its child.
std::vector<DWORD> ProcessTree(DWORD root) {
  std::vector<DWORD> tree(1, root);
  std::vector<PROCESSENTRY32> processes;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return tree;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    processes.push_back(entry);
  CloseHandle(snapshot);
  for (size_t i = 0; i < tree.size(); ++i)
    for (const PROCESSENTRY32& process : processes)
      if (process.th32ParentProcessID == tree[i] &&
          std::find(tree.begin(), tree.end(), process.th32ProcessID) == tree.end())  // ids are reused
        tree.push_back(process.th32ProcessID);
  return tree;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

bool Query(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kQueryTimeoutMs, result) != 0;
}

HWND FindIn(const std::vector<HWND>& windows, long id) {
  HWND hidden = nullptr;
  for (HWND window : windows) {
    if (GetDlgCtrlID(window) != id) continue;
    if (IsWindowVisible(window)) return window;
    if (!hidden) hidden = window;
  }
  return hidden;
}

bool HasChildId(HWND window, int id) {
  for (HWND child : DescendantsOf(window))
    if (GetParent(child) == window && GetDlgCtrlID(child) == id) return true;
  return false;
}

}  // namespace

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], size, nullptr, nullptr);
  text.resize(size - 1);
  return text;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  std::vector<HWND> windows;
  ProcessWindows wanted = {ProcessTree(processId), &windows};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&wanted));
  return windows;
}

std::vector<HWND> DescendantsOf(HWND window) {
  std::vector<HWND> windows;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string ClassOf(HWND window) {
  char name[128] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool TextOf(HWND window, std::string* text) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kQueryTimeoutMs, &length)) return false;
  std::wstring wide(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&wide[0]), SMTO_NORMAL,
                           kQueryTimeoutMs, &copied))
    return false;
  wide.resize(copied <= length ? copied : length);
  *text = Narrow(wide);
  return true;
}

bool ComboEntries(HWND combo, std::vector<std::string>* entries) {
  entries->clear();
  DWORD_PTR count = 0;
  if (!Query(combo, CB_GETCOUNT, 0, 0, &count) || LONG_PTR(count) < 0) return false;
  for (DWORD_PTR i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_NORMAL, kQueryTimeoutMs, &length) ||
        LONG_PTR(length) < 0)
      return false;
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]), SMTO_NORMAL,
                             kQueryTimeoutMs, &copied))
      return false;
    wide.resize(LONG_PTR(copied) >= 0 && copied <= length ? copied : length);
    entries->push_back(Narrow(wide));
  }
  return true;
}

bool ComboSelection(HWND combo, long* index) {
  DWORD_PTR result = 0;
  if (!Query(combo, CB_GETCURSEL, 0, 0, &result)) return false;
  *index = long(LONG_PTR(result));
  return true;
}

bool CurrentPageId(HWND sheet, long* id, HWND* page) {
  DWORD_PTR pageWindow = 0, index = 0, templateId = 0;
  if (!Query(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, &pageWindow) || !pageWindow) return false;
  if (!Query(sheet, PSM_HWNDTOINDEX, pageWindow, 0, &index) || LONG_PTR(index) < 0) return false;
  if (!Query(sheet, PSM_INDEXTOID, index, 0, &templateId)) return false;
  *id = long(templateId);
  if (page) *page = reinterpret_cast<HWND>(pageWindow);
  return true;
}

bool ProgressPosition(HWND bar, long* position) {
  DWORD_PTR result = 0;
  if (!Query(bar, PBM_GETPOS, 0, 0, &result)) return false;
  *position = long(result);
  return true;
}

bool ProgressRange(HWND bar, long* low, long* high) {
  DWORD_PTR lowResult = 0, highResult = 0;
  if (!Query(bar, PBM_GETRANGE, TRUE, 0, &lowResult) || !Query(bar, PBM_GETRANGE, FALSE, 0, &highResult))
    return false;
  *low = long(lowResult);
  *high = long(highResult);
  return true;
}

bool CheckState(HWND button, long* state) {
  DWORD_PTR result = 0;
  if (!Query(button, BM_GETCHECK, 0, 0, &result)) return false;
  *state = long(result);
  return true;
}

WindowKind KindOf(HWND window) {
  for (HWND child : DescendantsOf(window)) {
    std::string name = ClassOf(child);
    if (name == "SysTreeView32" && GetDlgCtrlID(child) == 14145) return WindowKind::Browser;
  }
  if (FindDescendantOfClass(window, PROGRESS_CLASSA)) return WindowKind::Progress;
  bool dialog = ClassOf(window) == "#32770";
  if (dialog && HasChildId(window, 0x3024)) return WindowKind::Wizard;
  if (dialog) {
    // A message box: buttons and statics only, one static with an icon style
    // or the text id message boxes use (0xFFFF).
    bool onlyButtonsAndStatics = true, marked = false;
    for (HWND child : DescendantsOf(window)) {
      std::string name = ClassOf(child);
      if (name == "Static") {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON || GetDlgCtrlID(child) == 0xFFFF) marked = true;
      } else if (name != "Button") {
        onlyButtonsAndStatics = false;
      }
    }
    if (onlyButtonsAndStatics && marked) return WindowKind::MessageBox;
    return WindowKind::Other;
  }
  return WindowKind::Backdrop;
}

namespace {
const struct { WindowKind kind; const char* name; } kKindNames[] = {
    {WindowKind::Wizard, "wizard"},     {WindowKind::MessageBox, "msgbox"}, {WindowKind::Progress, "progress"},
    {WindowKind::Backdrop, "backdrop"}, {WindowKind::Browser, "browser"},   {WindowKind::Other, "dialog"},
};
}

bool KindFromName(const std::string& name, WindowKind* kind) {
  for (const auto& entry : kKindNames)
    if (name == entry.name) { *kind = entry.kind; return true; }
  return false;
}

const char* KindName(WindowKind kind) {
  for (const auto& entry : kKindNames)
    if (kind == entry.kind) return entry.name;
  return "?";
}

HWND FindControl(HWND root, long id) {
  if (id == 0) return root;
  long pageId = 0;
  HWND page = nullptr;
  if (ClassOf(root) == "#32770" && HasChildId(root, 0x3024) && CurrentPageId(root, &pageId, &page)) {
    if (HWND inPage = FindIn(DescendantsOf(page), id)) return inPage;
  }
  return FindIn(DescendantsOf(root), id);
}

HWND FindDescendantOfClass(HWND root, const char* className) {
  for (HWND child : DescendantsOf(root))
    if (lstrcmpiA(ClassOf(child).c_str(), className) == 0) return child;
  return nullptr;
}
