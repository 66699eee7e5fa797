// A small three-page wizard that exists only to prove the end-to-end robot:
// a relabelled first page with an edit field and a check box, a combo, a
// cancel question, a progress dialog and a final message box. On Finish it
// leaves files, registry values, a shortcut and both restart queues behind
// for the harness to check from the Linux side. Exit code 0 on Finish, 2 on
// Cancel. Its second page has a folder field with a Browse button.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <cstdio>
#include <string>
#include "TestWizardIds.h"

namespace {

const char kCaption[] = "Test Wizard";
const int kSteps = 10;

struct Answers {
  std::string name;
  bool option = false;
  std::string choice = "none";
};
Answers answers;

std::string ItemText(HWND dialog, int id) {
  char buffer[256] = "";
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  return buffer;
}

void SetNextLabel(HWND page, const char* label) {
  SetWindowTextA(GetDlgItem(GetParent(page), 0x3024), label);
}

void UpdateLength(HWND page) {
  char text[64];
  std::snprintf(text, sizeof text, "Length: %u", unsigned(ItemText(page, IDC_TW_NAME).size()));
  SetDlgItemTextA(page, IDC_TW_LENGTH, text);
  // Next only once a name is given, so the robot can watch a button's state.
  PropSheet_SetWizButtons(GetParent(page), answers.name.empty() ? 0 : PSWIZB_NEXT);
}

bool QueryCancel(HWND page) {
  int choice = MessageBoxA(page, "Do you really want to cancel?", kCaption, MB_YESNO | MB_ICONQUESTION);
  return choice == IDYES;
}

// Common notifications of every page; returns true when it handled one.
bool HandleNotify(HWND page, LPARAM lParam, INT_PTR* result) {
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code == PSN_QUERYCANCEL) {
    *result = QueryCancel(page) ? FALSE : TRUE;
    SetWindowLongPtrA(page, DWLP_MSGRESULT, *result);
    return true;
  }
  return false;
}

INT_PTR CALLBACK WelcomeProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = 0;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_TW_NAME && HIWORD(wParam) == EN_CHANGE) {
        answers.name = ItemText(page, IDC_TW_NAME);
        UpdateLength(page);
      } else if (LOWORD(wParam) == IDC_TW_OPTION && HIWORD(wParam) == BN_CLICKED) {
        answers.option = IsDlgButtonChecked(page, IDC_TW_OPTION) == BST_CHECKED;
      }
      return TRUE;
    case WM_NOTIFY:
      if (HandleNotify(page, lParam, &result)) return TRUE;
      if (reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE) {
        UpdateLength(page);
        SetNextLabel(page, "&Start >");
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// The shell's folder browser as an installer calls it: no root, no title,
// file-system folders only. Cancel leaves the field alone.
void BrowseForFolder(HWND page) {
  char name[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = page;
  info.pszDisplayName = name;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (!chosen) return;
  char path[MAX_PATH];
  if (SHGetPathFromIDListA(chosen, path)) SetDlgItemTextA(page, IDC_TW_FOLDER, path);
  CoTaskMemFree(chosen);
}

INT_PTR CALLBACK ChoiceProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = 0;
  switch (message) {
    case WM_INITDIALOG:
      for (const char* entry : {"Alpha", "Beta", "Gamma"})
        SendDlgItemMessageA(page, IDC_TW_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
      SetDlgItemTextA(page, IDC_TW_FOLDER, "(none)");
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_TW_COMBO && HIWORD(wParam) == CBN_SELCHANGE) {
        answers.choice = ItemText(page, IDC_TW_COMBO);
        SetDlgItemTextA(page, IDC_TW_CHOSEN, ("Chosen: " + answers.choice).c_str());
      } else if (LOWORD(wParam) == IDC_TW_BROWSE && HIWORD(wParam) == BN_CLICKED) {
        BrowseForFolder(page);
      }
      return TRUE;
    case WM_NOTIFY:
      if (HandleNotify(page, lParam, &result)) return TRUE;
      if (reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE) {
        SetNextLabel(page, "&Next >");
        PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | PSWIZB_NEXT);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK SummaryProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  INT_PTR result = 0;
  if (message != WM_NOTIFY) return FALSE;
  if (HandleNotify(page, lParam, &result)) return TRUE;
  if (reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE) {
    std::string summary = "name=" + answers.name + ", option=" + (answers.option ? "1" : "0") +
                          ", choice=" + answers.choice;
    SetDlgItemTextA(page, IDC_TW_SUMMARY, summary.c_str());
    PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | PSWIZB_FINISH);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  static int step;
  switch (message) {
    case WM_INITDIALOG:
      step = 0;
      SendDlgItemMessageA(dialog, IDC_TW_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, kSteps));
      SetTimer(dialog, 1, 60, nullptr);
      return TRUE;
    case WM_TIMER: {
      if (step == kSteps) {
        KillTimer(dialog, 1);
        EndDialog(dialog, 0);
        return TRUE;
      }
      ++step;
      SendDlgItemMessageA(dialog, IDC_TW_BAR, PBM_SETPOS, step, 0);
      char status[64];
      if (step == kSteps)
        std::snprintf(status, sizeof status, "Done");
      else
        std::snprintf(status, sizeof status, "Copying file %d of %d", step, kSteps);
      SetDlgItemTextA(dialog, IDC_TW_STATUS, status);
      return TRUE;
    }
  }
  return FALSE;
}

void WriteTextFile(const char* path, const std::string& text) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

void CreateShortcut(const char* target, const char* linkPath) {
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(target);
    link->SetDescription("Test Wizard result");
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t wide[MAX_PATH];
      MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wide, MAX_PATH);
      file->Save(wide, TRUE);
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
}

// What the harness checks from outside: a file, registry values, a desktop
// shortcut, and one entry in each restart queue (the NT one and wininit.ini).
void LeaveResults() {
  CreateDirectoryA("C:\\e2etest", nullptr);
  std::string summary = "name=" + answers.name + "\r\noption=" + (answers.option ? "1" : "0") +
                        "\r\nchoice=" + answers.choice + "\r\n";
  WriteTextFile("C:\\e2etest\\result.txt", summary);
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\E2ETestWizard", 0, nullptr, 0, KEY_WRITE, nullptr,
                      &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, "Name", 0, REG_SZ, reinterpret_cast<const BYTE*>(answers.name.c_str()),
                   DWORD(answers.name.size() + 1));
    RegSetValueExA(key, "Choice", 0, REG_SZ, reinterpret_cast<const BYTE*>(answers.choice.c_str()),
                   DWORD(answers.choice.size() + 1));
    DWORD option = answers.option ? 1 : 0;
    RegSetValueExA(key, "Option", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&option), sizeof option);
    RegCloseKey(key);
  }
  char desktop[MAX_PATH];
  if (SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE))
    CreateShortcut("C:\\e2etest\\result.txt", (std::string(desktop) + "\\Test Wizard.lnk").c_str());
  WriteTextFile("C:\\e2etest\\queued-nt.txt", "gone after restart\r\n");
  WriteTextFile("C:\\e2etest\\queued-9x.txt", "gone after restart\r\n");
  MoveFileExA("C:\\e2etest\\queued-nt.txt", nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  WritePrivateProfileStringA("rename", "NUL", "C:\\e2etest\\queued-9x.txt", "wininit.ini");
}

void TellTaskbar(WPARAM command) {
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  if (tray) PostMessageA(tray, WM_COMMAND, command, 0);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  TellTaskbar(415);  // "minimise all", undone at the end

  struct PageDef { int id; DLGPROC proc; } defs[] = {
      {IDD_TW_WELCOME, WelcomeProc}, {IDD_TW_CHOICE, ChoiceProc}, {IDD_TW_SUMMARY, SummaryProc}};
  HPROPSHEETPAGE pages[3];
  for (int i = 0; i < 3; ++i) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(defs[i].id);
    page.pfnDlgProc = defs[i].proc;
    pages[i] = CreatePropertySheetPageA(&page);
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_WIZARD;
  header.hInstance = instance;
  header.pszCaption = kCaption;
  header.nPages = 3;
  header.phpage = pages;
  INT_PTR finished = PropertySheetA(&header);

  int exitCode = 2;
  if (finished > 0) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TW_PROGRESS), nullptr, ProgressProc, 0);
    LeaveResults();
    MessageBoxA(nullptr, "Setup finished.", kCaption, MB_OK | MB_ICONINFORMATION);
    exitCode = 0;
  }
  TellTaskbar(416);
  return exitCode;
}
