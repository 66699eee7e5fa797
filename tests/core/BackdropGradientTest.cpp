#include "core/BackdropGradient.h"

#include <gtest/gtest.h>

static const COLORREF kBase = RGB(99, 154, 49);
static const COLORREF kLight = RGB(215, 255, 166);

TEST(GradientBandColour, BandTable)
{
    struct Case { int band; COLORREF colour; } cases[] = {
        {0, RGB(215, 255, 166)}, {1, RGB(214, 254, 165)}, {63, RGB(180, 220, 134)},
        {127, RGB(145, 185, 101)}, {191, RGB(109, 150, 68)}, {253, RGB(75, 116, 37)},
        {254, RGB(75, 116, 37)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.band);
        EXPECT_EQ(c.colour, GradientBandColour(kBase, kLight, c.band));
    }
}

TEST(GradientBandHeight, StepsEvery255Pixels)
{
    struct Case { int clientHeight; int bandHeight; } cases[] = {
        {1, 1}, {254, 1}, {255, 2}, {509, 2}, {510, 3}, {768, 4},
        {1 << 25, 131587}, // the tallest client the header allows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clientHeight);
        EXPECT_EQ(c.bandHeight, GradientBandHeight(c.clientHeight));
    }
}
