#include "pages/InstallOptionsPage.h"

#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/Space.h"
#include "pages/InstallPathCheck.h"
#include "pages/PageLayout.h"
#include "pages/RegistryText.h"
#include "resources/DialogIds.h"
#include "util/Text.h"
#include "wizard/LayoutUnits.h"

static const char kProgramFilesKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
static const char kProgramFilesFallback[] = "C:\\Program Files";
static const char kPublisherFolder[] = "VididiDuvo\\";

static const struct {
    int controlId;
    unsigned long bit;
} kMailingListBoxes[] = {
    {IDC_MAILING_LIST_1, kFirstMailingList},
    {IDC_MAILING_LIST_2, kSecondMailingList},
    {IDC_MAILING_LIST_3, kThirdMailingList},
};

InstallOptionsPage::InstallOptionsPage(HBITMAP bitmap, COLORREF backgroundColour)
    : BitmapPage(IDD_INSTALL_OPTIONS, bitmap, backgroundColour), desktopIcon(true),
      mailingLists(kFirstMailingList | kSecondMailingList | kThirdMailingList), pathChanged(true)
{
    SetDefaultInstallPath();
}

static bool IsDirectory(const char* path)
{
    WIN32_FIND_DATAA entry;
    HANDLE finder = FindFirstFileA(path, &entry);
    if (finder == INVALID_HANDLE_VALUE)
        return false;
    FindClose(finder);
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// ProgramFilesDir, else C:\Program Files when it is a directory, else C:;
// then the publisher's folder and the product's. A ProgramFilesDir too long
// to take the two folders counts as missing.
void InstallOptionsPage::SetDefaultInstallPath()
{
    installPath[0] = 0;
    {
        RegistryKey key(GetProductSubkey(0));
        if (key.Open(LocalMachine, kProgramFilesKey, true) && key.ValueExists("ProgramFilesDir"))
            ReadTextValue(key, "ProgramFilesDir", installPath, sizeof installPath);
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (installPath[0] == 0)
            StrCopyBounded(installPath, sizeof installPath, IsDirectory(kProgramFilesFallback) ? kProgramFilesFallback : "C:");
        if (JoinPath(installPath, sizeof installPath, kPublisherFolder)
            && StrAppendBounded(installPath, sizeof installPath, GetFolderName()))
            return;
        installPath[0] = 0;
    }
}

bool InstallOptionsPage::OnInitDialog()
{
    SetFormattedItemText(IDC_DESKTOP_ICON, textDesktopIconLabel);
    SetItemText(IDC_MAILING_LISTS_HEADING, textMailingListsHeading);
    SetItemText(IDC_INSTALL_PATH_LABEL, textInstallPathLabel);
    SetItemText(IDC_BROWSE, textBrowseButton);
    PathRowLayout layout = LayOutPathRow(MeasureTextUnits(textBrowseButton, true));
    PlaceItem(IDC_BROWSE, layout.buttonLeft, layout.buttonWidth);
    // Nothing typed can be longer than the path buffer.
    SendDlgItemMessageA(window, IDC_INSTALL_PATH, EM_LIMITTEXT, sizeof installPath - 1, 0);
    SetItemText(IDC_INSTALL_PATH, installPath);
    SetItemWidth(IDC_INSTALL_PATH, layout.fieldWidth);
    SetCheck(IDC_DESKTOP_ICON, desktopIcon);
    const char* labels[] = {textMailingList1Label, textMailingList2Label, textMailingList3Label};
    for (unsigned i = 0; i < 3; ++i) {
        SetItemText(kMailingListBoxes[i].controlId, labels[i]);
        SetCheck(kMailingListBoxes[i].controlId, (mailingLists & kMailingListBoxes[i].bit) != 0);
    }
    return true;
}

void InstallOptionsPage::ReadControls()
{
    GetItemText(IDC_INSTALL_PATH, installPath, sizeof installPath);
    desktopIcon = GetCheck(IDC_DESKTOP_ICON);
    mailingLists = 0;
    for (const auto& box : kMailingListBoxes) {
        if (GetCheck(box.controlId))
            mailingLists |= box.bit;
    }
}

bool InstallOptionsPage::OnNext()
{
    ReadControls();
    if (!ValidateInstallPath(installPath)) {
        ShowMessage(textPathNotAccessible, MB_OK | MB_ICONHAND);
        return true;
    }
    if (pathChanged && RequiredSpace(false) > FreeSpace(installPath)) {
        if (ShowMessage(textNotEnoughFreeSpace, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return true;
        pathChanged = false;
    }
    return false;
}

bool InstallOptionsPage::OnKillActive()
{
    ReadControls();
    return false;
}

bool InstallOptionsPage::OnCommand(WORD notifyCode, WORD controlId, HWND)
{
    if (controlId == IDC_BROWSE) {
        char chosen[kPathCapacity];
        chosen[0] = 0;
        if (ChooseFolder(chosen, window)) {
            SetItemText(IDC_INSTALL_PATH, chosen);
            pathChanged = true;
        }
    } else if (controlId == IDC_INSTALL_PATH && notifyCode == EN_CHANGE) {
        pathChanged = true;
    }
    return true;
}

bool InstallOptionsPage::Commit()
{
    if (mailingLists == 0)
        return true;
    RegistryKey key(GetProductSubkey(0));
    if (key.Open(SuiteUpdates, nullptr, false))
        key.WriteDword("Subscribe", mailingLists);
    return true;
}

void InstallOptionsPage::GetInstallPath(char* buffer, unsigned long capacity) const
{
    StrCopyBounded(buffer, capacity, installPath);
}
