#include "wizard/Centring.h"
#include "wizard/LayoutUnits.h"
#include "wizard/PageDispatchRules.h"

#include <prsht.h>
#include <gtest/gtest.h>

TEST(WizardButtonFlags, OneTwoAndThreePages)
{
    struct Case { unsigned long index, count; DWORD flags; } cases[] = {
        {0, 1, PSWIZB_FINISH},
        {0, 2, PSWIZB_NEXT}, {1, 2, PSWIZB_BACK | PSWIZB_FINISH},
        {0, 3, PSWIZB_NEXT}, {1, 3, PSWIZB_BACK | PSWIZB_NEXT}, {2, 3, PSWIZB_BACK | PSWIZB_FINISH},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " of " << c.count);
        EXPECT_EQ(c.flags, WizardButtonFlags(c.index, c.count));
    }
}

TEST(JumpRule, IdAndStay)
{
    struct Case { int id; bool stay; bool jump; LRESULT result; } cases[] = {
        {106, false, true, -1}, {106, true, false, -1}, {0, true, false, -1}, {0, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " stay " << c.stay);
        EXPECT_EQ(c.jump, WantsJump(c.id, c.stay));
        EXPECT_EQ(c.result, JumpResult(c.id, c.stay));
    }
}

TEST(CentredOrigin, ClientSizeRule)
{
    POINT origin = CentredOrigin(1024, 768, 500, 300);
    EXPECT_EQ(262, origin.x);
    EXPECT_EQ(234, origin.y);
    EXPECT_EQ(-1, CentredOrigin(1024, 768, 1027, 300).x);
}

TEST(LayoutUnits, GivenAverageWidth)
{
    EXPECT_EQ(40u, TextUnitsFromExtent(60, 6, false));
    EXPECT_EQ(54u, TextUnitsFromExtent(60, 6, true));
    EXPECT_EQ(0u, TextUnitsFromExtent(0, 6, false));
    EXPECT_EQ(50u, TextUnitsFromExtent(0, 6, true));
    EXPECT_EQ(138, UnitsToPixelsWith(92, 6));
    EXPECT_EQ(6, AverageCharWidthFromExtent(341));
    EXPECT_EQ(5, AverageCharWidthFromExtent(340));
}

TEST(LayoutUnits, DefaultGuiFont)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE sample = {};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", 62, &sample);
    SIZE text = {};
    GetTextExtentPoint32A(dc, "Browse...", 9, &text);
    SelectObject(dc, previous);
    DeleteDC(dc);
    int average = (sample.cx + 31) / 62;
    // Wine's own fonts in the prefix measure as Windows does.
    ASSERT_EQ(6, average);
    EXPECT_EQ(average, GetAverageCharWidth());
    EXPECT_EQ((static_cast<unsigned long>(text.cx) * 4 + average / 2) / average,
              MeasureTextUnits("Browse...", false));
    EXPECT_EQ(50u, MeasureTextUnits("", true));
    EXPECT_EQ((92 * average + 2) / 4, UnitsToPixels(92));
}
