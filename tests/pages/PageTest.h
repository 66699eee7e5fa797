#pragma once
// What every page test needs: the catalogue, the common controls and the
// installer the pages read the product's names from.
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "tests/support/ModelessSheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <windows.h>
#include <commctrl.h>

const COLORREF kPageColour = 0x00A6FFD7;

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
