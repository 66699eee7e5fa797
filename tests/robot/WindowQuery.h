// Queries on the windows of another process. Every message goes through
// SendMessageTimeout, so a hung program makes a query fail instead of the robot.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

const UINT kQueryTimeoutMs = 2000;

// Visible top-level windows of the process and of the processes it started
// (and they started), in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// Every descendant of a window, in EnumChildWindows order.
std::vector<HWND> DescendantsOf(HWND window);

std::string ClassOf(HWND window);
// A wide text in the ANSI code page.
std::string Narrow(const std::wstring& wide);
// Text through the wide WM_GETTEXT, returned in the ANSI code page; false on timeout.
bool TextOf(HWND window, std::string* text);
// Entries of a combo box (wide CB_GETLBTEXT: the ANSI one gives one letter
// across processes under Wine) and its selection (-1 for none).
bool ComboEntries(HWND combo, std::vector<std::string>* entries);
bool ComboSelection(HWND combo, long* index);
// Template id of the wizard's current page:
// PSM_GETCURRENTPAGEHWND -> PSM_HWNDTOINDEX -> PSM_INDEXTOID.
bool CurrentPageId(HWND sheet, long* id, HWND* page);
bool ProgressPosition(HWND bar, long* position);
bool ProgressRange(HWND bar, long* low, long* high);
bool CheckState(HWND button, long* state);

// What a top-level window of the program is.
enum class WindowKind { Other, Wizard, MessageBox, Progress, Backdrop, Browser };
WindowKind KindOf(HWND window);
bool KindFromName(const std::string& name, WindowKind* kind);
const char* KindName(WindowKind kind);

// A control by id: in the wizard's current page first, then anywhere below
// `root`; visible ones win over hidden ones.
HWND FindControl(HWND root, long id);
// The first descendant of that class, or NULL.
HWND FindDescendantOfClass(HWND root, const char* className);
