#pragma once
// What every page test needs: the catalogue, the common controls and the
// installer the pages read the product's names from.
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "tests/support/ModelessSheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <windows.h>
#include <commctrl.h>

const COLORREF kPageColour = 0x00A6FFD7;

// Chooses a list entry as the user would: the page hears CBN_SELCHANGE.
inline void SelectListEntry(const WizardPage& page, int id, int index)
{
    HWND list = GetDlgItem(page.GetPageWindow(), id);
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(page.GetPageWindow(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The selected entry's text, "<none>" without a selection.
inline std::string SelectedEntry(const WizardPage& page, int id)
{
    HWND list = GetDlgItem(page.GetPageWindow(), id);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return "<none>";
    char text[256] = "";
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

inline bool ControlEnabled(const WizardPage& page, int id)
{
    return IsWindowEnabled(GetDlgItem(page.GetPageWindow(), id)) != FALSE;
}

inline void Click(const WizardPage& page, int id)
{
    SendDlgItemMessageA(page.GetPageWindow(), id, BM_CLICK, 0, 0);
}

class PageTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillMessageCatalog();
        InitCommonControls();
        CopyBuiltInProductTable(table);
        installer.reset(new Installer("AuctionTorvin", "AuctionTorvin", table, kBuiltInProductCount, 0x00319A63,
                                      kPageColour));
    }
    void TearDown() override
    {
        sheet.Close();
        installer.reset();
        ReleaseMessageCatalog();
    }

    // Shows the pages in a modeless wizard, the first page showing.
    template <typename... Pages>
    void Show(WizardSheet& wizard, Pages&... pages)
    {
        (wizard.AddPage(&pages), ...);
        ASSERT_NE(nullptr, sheet.Open(wizard));
    }

    ProductEntry table[kBuiltInProductCount];
    std::unique_ptr<Installer> installer;
    ModelessSheet sheet;
};
