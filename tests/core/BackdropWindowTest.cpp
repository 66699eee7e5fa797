#include "core/Backdrop.h"
#include "core/BackdropGradient.h"
#include "core/Installer.h"
#include "core/ProductTable.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

HBITMAP SolidPicture(int width, int height, COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

} // namespace

TEST(BackdropWindow, PaintsTheGradientOnTheScreen)
{
    ProductEntry table[kBuiltInProductCount];
    CopyBuiltInProductTable(table);
    Installer installer("AuctionTorvin", "AuctionTorvin", table, 1, 0x00319A63, 0x00A6FFD7);
    HWND window = CreateBackdrop("AuctionTorvin Installation");
    ASSERT_NE(nullptr, window);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    PumpMessages();

    RECT client;
    GetClientRect(window, &client);
    int height = client.bottom - client.top;
    // Maximised, the border lies beyond the screen's edges: the client is the screen.
    ASSERT_EQ(768, height);
    ASSERT_EQ(4, GradientBandHeight(height));
    EXPECT_EQ(RGB(215, 255, 166), ScreenPixel(window, 0, 0)) << "the top row is the light colour";
    EXPECT_EQ(RGB(215, 255, 166), ScreenPixel(window, 500, 3));
    EXPECT_EQ(GradientBandColour(0x00319A63, 0x00A6FFD7, 1), ScreenPixel(window, 500, 4)) << "bands are 4 pixels";
    EXPECT_EQ(GradientBandColour(0x00319A63, 0x00A6FFD7, 127), ScreenPixel(window, 10, 127 * 4 + 2));
    EXPECT_EQ(RGB(109, 150, 68), ScreenPixel(window, 700, height - 1)) << "the lowest visible band is 191";

    // A 100 x 50 picture shows in exactly that rectangle at the top left.
    installer.backdropImage = SolidPicture(100, 50, RGB(200, 30, 40));
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    PumpMessages();
    EXPECT_EQ(RGB(200, 30, 40), ScreenPixel(window, 0, 0));
    EXPECT_EQ(RGB(200, 30, 40), ScreenPixel(window, 99, 49));
    EXPECT_EQ(GradientBandColour(0x00319A63, 0x00A6FFD7, 12), ScreenPixel(window, 99, 50));
    EXPECT_EQ(GradientBandColour(0x00319A63, 0x00A6FFD7, 0), ScreenPixel(window, 100, 0));

    DestroyWindow(window);
    DeleteObject(installer.backdropImage);
}
