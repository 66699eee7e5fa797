// Where the pages put the controls they size at run time, in layout units.
#include "pages/PageLayout.h"

#include <gtest/gtest.h>

TEST(PageLayout, RegistrationFieldsFollowTheWidestLabel)
{
    struct Case { unsigned long widest, label, left, width, zip; } cases[] = {
        {40, 40, 132, 144, 72},
        {55, 55, 147, 129, 64},
        {0, 0, 92, 184, 92},
        {143, 143, 235, 41, 20},
        // Labels wider than the page leaves are cut; the fields keep room.
        {144, 144, 236, 40, 20},
        {184, 144, 236, 40, 20},
        {500, 144, 236, 40, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.widest);
        RegistrationLayout layout = LayOutRegistration(c.widest);
        EXPECT_EQ(c.label, layout.labelWidth);
        EXPECT_EQ(c.left, layout.fieldLeft);
        EXPECT_EQ(c.width, layout.fieldWidth);
        EXPECT_EQ(c.zip, layout.zipWidth);
        EXPECT_EQ(276u, layout.fieldLeft + layout.fieldWidth) << "fields end at the page's edge";
    }
}

TEST(PageLayout, PathRowEndsAtTheBrowseButton)
{
    struct Case { unsigned long button, left, width, field; } cases[] = {
        {50, 225, 50, 126},
        {60, 215, 60, 116},
        {136, 139, 136, 40},
        {300, 139, 136, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        PathRowLayout layout = LayOutPathRow(c.button);
        EXPECT_EQ(c.left, layout.buttonLeft);
        EXPECT_EQ(c.width, layout.buttonWidth);
        EXPECT_EQ(c.field, layout.fieldWidth);
        EXPECT_EQ(275u, layout.buttonLeft + layout.buttonWidth);
        EXPECT_EQ(92u + layout.fieldWidth + 7, layout.buttonLeft) << "7 units between field and button";
    }
}

TEST(PageLayout, ProxyRow)
{
    struct Case { unsigned long d, address, port; unsigned long listLeft, e, addressLeft, addressWidth, portLeft, f; } cases[] = {
        // Widths of "&HTTP proxy:", "Address:" and "Port:" at 6 pixels a character.
        {44, 31, 17, 136, 34, 126, 86, 228, 20},
        {0, 0, 0, 92, 3, 95, 134, 245, 3},
        // Too wide for the row: the wider label gives way first.
        {44, 200, 17, 136, 104, 196, 16, 228, 20},
        {44, 17, 200, 136, 20, 112, 16, 144, 104},
        {44, 200, 200, 136, 62, 154, 16, 186, 62},
        // The widest labels the header allows still narrow, their sum unwrapped.
        {44, kLargestLabelUnits - 1, 17, 136, 104, 196, 16, 228, 20},
        {44, kLargestLabelUnits - 1, kLargestLabelUnits - 1, 136, 62, 154, 16, 186, 62},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.d << " " << c.address << " " << c.port);
        ProxyRowLayout layout = LayOutProxyRow(c.d, c.address, c.port);
        EXPECT_EQ(c.d, layout.typeLabelWidth);
        EXPECT_EQ(c.listLeft, layout.typeListLeft);
        EXPECT_EQ(70u, layout.typeListWidth);
        EXPECT_EQ(c.e, layout.addressLabelWidth);
        EXPECT_EQ(c.addressLeft, layout.addressLeft);
        EXPECT_EQ(c.addressWidth, layout.addressWidth);
        EXPECT_EQ(c.portLeft, layout.portLabelLeft);
        EXPECT_EQ(c.f, layout.portLabelWidth);
        EXPECT_EQ(248u, layout.portLabelLeft + layout.portLabelWidth) << "the port label ends at the port field";
        EXPECT_EQ(layout.portLabelLeft - 16, layout.addressLeft + layout.addressWidth);
    }
}
