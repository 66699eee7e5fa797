// The side panel of every page: its arithmetic, what a page builds from its
// picture, and what it paints on the screen inside a real (modeless) wizard.
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "tests/resources/TestBitmapIds.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestWindows.h"
#include "wizard/BitmapPage.h"
#include "wizard/LoadBitmapFile.h"
#include "wizard/PanelPicture.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

namespace {

const COLORREF kLightColour = RGB(215, 255, 166);

class ExposedPage : public BitmapPage {
public:
    using BitmapPage::BitmapPage;
    HPALETTE Palette() const { return palette; }
    const BITMAPINFO* Info() const { return bitmapInfo; }
    HBRUSH Brush() const { return brush; }
};

HBITMAP LoadResourcePicture(int id)
{
    std::string path = TempDirectory() + "bitmappagetest.bmp";
    WriteFileBytes(path, RcDataBytes(id));
    HBITMAP bitmap = LoadBitmapFile(path.c_str());
    DeleteFileA(path.c_str());
    return bitmap;
}

// A 24-bit picture whose column x has the colour RGB(x, 40, 200 - y / 2),
// so a screen pixel tells which picture pixel it shows.
HBITMAP ColumnCodedPicture(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    int stride = (width * 3 + 3) & ~3;
    for (int row = 0; row < height; ++row) {
        int y = height - 1 - row; // bottom-up rows
        unsigned char* pixel = static_cast<unsigned char*>(bits) + row * stride;
        for (int x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = static_cast<unsigned char>(200 - y / 2);
            pixel[1] = 40;
            pixel[2] = static_cast<unsigned char>(x);
        }
    }
    return bitmap;
}

COLORREF PicturePixel(HBITMAP bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return colour;
}

// One page in a modeless wizard on the screen.
class ShownPage {
public:
    explicit ShownPage(HBITMAP picture)
        : sheet("Test Installation", nullptr), page(IDD_TEST_FIRST, picture, kLightColour)
    {
        sheet.AddPage(&page);
        sheetWindow = reinterpret_cast<HWND>(sheet.RunWithFlags(PSH_MODELESS));
        if (sheetWindow)
            SetForegroundWindow(sheetWindow);
        PumpMessages();
    }
    ~ShownPage()
    {
        if (sheetWindow)
            DestroyWindow(sheetWindow);
        PumpMessages(2);
    }
    // The panel's right and bottom in the page's pixels.
    RECT Panel()
    {
        RECT panel = {0, 0, 80, 140};
        MapDialogRect(page.GetPageWindow(), &panel);
        return panel;
    }
    COLORREF Pixel(int x, int y) { return ScreenPixel(page.GetPageWindow(), x, y); }

    WizardSheet sheet;
    ExposedPage page;
    HWND sheetWindow;
};

class BitmapPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillMessageCatalog();
        InitCommonControls();
    }
    void TearDown() override { ReleaseMessageCatalog(); }
};

// The sunken edge: dark shadow lines top left, light lines bottom right.
void ExpectEdge(ShownPage& shown, const RECT& panel, int y)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), shown.Pixel(0, y));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), shown.Pixel(1, y));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), shown.Pixel(panel.right - 2, y));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), shown.Pixel(panel.right - 1, y));
}

} // namespace

TEST(PanelPicture, CentredInTheWholePanel)
{
    struct Case { int right, bottom, width, height, x, y; } cases[] = {
        {120, 227, 120, 228, 0, 0},  // half a pixel up truncates toward zero
        {120, 227, 124, 228, -2, 0}, // 4 columns wider: 2 lost on each side
        {120, 227, 121, 229, 0, -1},
        {120, 227, 60, 100, 30, 63},
        // The extremes the header allows: no sum overflows.
        {1 << 24, 1 << 24, -(1 << 24), -(1 << 24), 1 << 24, 1 << 24},
        {-(1 << 24), -(1 << 24), 1 << 24, 1 << 24, -(1 << 24), -(1 << 24)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        POINT origin = PanelPictureOrigin(c.right, c.bottom, c.width, c.height);
        EXPECT_EQ(c.x, origin.x);
        EXPECT_EQ(c.y, origin.y);
    }
    RECT inside = PanelInside(120, 227);
    EXPECT_EQ(2, inside.left);
    EXPECT_EQ(2, inside.top);
    EXPECT_EQ(118, inside.right);
    EXPECT_EQ(225, inside.bottom);
}

TEST(PanelPicture, PaletteTakesRedGreenBlue)
{
    RGBQUAD table[2] = {{10, 20, 30, 99}, {1, 2, 3, 4}}; // blue, green, red, reserved
    PALETTEENTRY entries[2];
    std::memset(entries, 0x55, sizeof entries);
    PaletteFromColourTable(table, 2, entries);
    EXPECT_EQ(30, entries[0].peRed);
    EXPECT_EQ(20, entries[0].peGreen);
    EXPECT_EQ(10, entries[0].peBlue);
    EXPECT_EQ(0, entries[0].peFlags);
    EXPECT_EQ(3, entries[1].peRed);
    EXPECT_EQ(1, entries[1].peBlue);
}

TEST_F(BitmapPageTest, BuildsPaletteAndHeaderFromThePicture)
{
    HBITMAP side = LoadResourcePicture(18999);
    ASSERT_NE(nullptr, side);
    {
        ExposedPage page(IDD_TEST_FIRST, side, kLightColour);
        ASSERT_NE(nullptr, page.Palette());
        ASSERT_NE(nullptr, page.Info());
        EXPECT_NE(nullptr, page.Brush());
        EXPECT_EQ(40u, page.Info()->bmiHeader.biSize);
        EXPECT_EQ(120, page.Info()->bmiHeader.biWidth);
        EXPECT_EQ(228, page.Info()->bmiHeader.biHeight);
        EXPECT_EQ(8, page.Info()->bmiHeader.biBitCount);
        RGBQUAD table[256];
        ASSERT_EQ(256u, ColourTableOf(side, table));
        PALETTEENTRY entries[256];
        ASSERT_EQ(256u, GetPaletteEntries(page.Palette(), 0, 256, entries));
        for (int i = 0; i < 256; i += 51) {
            SCOPED_TRACE(i);
            EXPECT_EQ(table[i].rgbRed, entries[i].peRed);
            EXPECT_EQ(table[i].rgbGreen, entries[i].peGreen);
            EXPECT_EQ(table[i].rgbBlue, entries[i].peBlue);
            EXPECT_EQ(0, std::memcmp(&table[i], &page.Info()->bmiColors[i], sizeof table[i]));
        }
    }
    // The picture is shared, not owned: it outlives the page.
    DIBSECTION section;
    EXPECT_EQ(static_cast<int>(sizeof section), GetObjectA(side, sizeof section, &section));
    DeleteObject(side);
}

TEST_F(BitmapPageTest, TrueColourPictureGivesABlackPalette)
{
    HBITMAP picture = LoadResourcePicture(IDR_BMP_TRUE24);
    ASSERT_NE(nullptr, picture);
    {
        ExposedPage page(IDD_TEST_FIRST, picture, kLightColour);
        ASSERT_NE(nullptr, page.Palette());
        PALETTEENTRY entries[256];
        ASSERT_EQ(256u, GetPaletteEntries(page.Palette(), 0, 256, entries));
        for (const PALETTEENTRY& entry : entries)
            ASSERT_EQ(0, entry.peRed | entry.peGreen | entry.peBlue);
    }
    DeleteObject(picture);
}

TEST_F(BitmapPageTest, WithoutPictureOnlyTheBrush)
{
    ExposedPage page(IDD_TEST_FIRST, nullptr, kLightColour);
    EXPECT_EQ(nullptr, page.Palette());
    EXPECT_EQ(nullptr, page.Info());
    EXPECT_NE(nullptr, page.Brush());
}

TEST_F(BitmapPageTest, PaintsTheSidePictureCentredInItsPanel)
{
    HBITMAP side = LoadResourcePicture(18999);
    ASSERT_NE(nullptr, side);
    {
        ShownPage shown(side);
        ASSERT_NE(nullptr, shown.sheetWindow);
        RECT panel = shown.Panel();
        // As on Windows: 80 dialog units of "MS Sans Serif" 8 are 120 pixels,
        // so the 120-pixel picture fills the panel's width.
        EXPECT_EQ(120, panel.right);
        EXPECT_EQ(228, panel.bottom);
        POINT origin = PanelPictureOrigin(panel.right, panel.bottom, 120, 228);
        ExpectEdge(shown, panel, panel.bottom / 2);
        // Inside the edge every pixel is the picture's (or the background
        // where the picture does not reach).
        int wrong = 0;
        for (int y = 2; y < panel.bottom - 2; y += 3) {
            for (int x = 2; x < panel.right - 2; x += 3) {
                int px = x - origin.x;
                int py = y - origin.y;
                bool onPicture = px >= 0 && px < 120 && py >= 0 && py < 228;
                COLORREF expected = onPicture ? PicturePixel(side, px, py) : kLightColour;
                if (shown.Pixel(x, y) != expected && wrong++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y;
            }
        }
        EXPECT_EQ(0, wrong);
    }
    DeleteObject(side);
}

TEST_F(BitmapPageTest, AWiderPictureLosesItsBordersEvenly)
{
    // Measure the panel first: the picture is made 4 pixels wider than it.
    RECT panel;
    {
        ShownPage probe(nullptr);
        ASSERT_NE(nullptr, probe.sheetWindow);
        panel = probe.Panel();
    }
    const int width = panel.right + 4;
    const int height = 40;
    HBITMAP picture = ColumnCodedPicture(width, height);
    ASSERT_NE(nullptr, picture);
    {
        ShownPage shown(picture);
        ASSERT_NE(nullptr, shown.sheetWindow);
        POINT origin = PanelPictureOrigin(panel.right, panel.bottom, width, height);
        ASSERT_EQ(-2, origin.x);
        int y = origin.y + 10;
        // Panel column x shows picture column x + 2: columns 4 to right - 1.
        for (int x = 2; x < panel.right - 2; ++x) {
            SCOPED_TRACE(x);
            ASSERT_EQ(RGB(x + 2, 40, 200 - 10 / 2), shown.Pixel(x, y));
        }
        ExpectEdge(shown, panel, y);
        EXPECT_EQ(kLightColour, shown.Pixel(panel.right / 2, origin.y - 1)) << "background above";
        EXPECT_EQ(kLightColour, shown.Pixel(panel.right / 2, origin.y + height)) << "background below";
    }
    DeleteObject(picture);
}

TEST_F(BitmapPageTest, WithoutPicturePaintsOnlyTheEdge)
{
    ShownPage shown(nullptr);
    ASSERT_NE(nullptr, shown.sheetWindow);
    RECT panel = shown.Panel();
    ExpectEdge(shown, panel, panel.bottom / 2);
    // Inside: the page's own background, as right of the panel.
    COLORREF dialog = shown.Pixel(panel.right + 4, panel.bottom - 4);
    EXPECT_NE(kLightColour, dialog);
    EXPECT_EQ(dialog, shown.Pixel(panel.right / 2, panel.bottom / 2));
    EXPECT_EQ(dialog, shown.Pixel(2, 2));
}

TEST_F(BitmapPageTest, FormattedTextTakesTheProductName)
{
    ProductEntry table[kBuiltInProductCount];
    CopyBuiltInProductTable(table);
    Installer installer("AuctionTorvin", "AuctionTorvin", table, 1, 0x00319A63, 0x00A6FFD7);
    ShownPage shown(nullptr);
    ASSERT_NE(nullptr, shown.sheetWindow);
    char text[128];
    shown.page.SetFormattedItemText(IDC_TEST_TEXT, "Please register your copy of %1.");
    GetDlgItemTextA(shown.page.GetPageWindow(), IDC_TEST_TEXT, text, sizeof text);
    EXPECT_STREQ("Please register your copy of AuctionTorvin.", text);
    shown.page.SetFormattedItemText(IDC_TEST_TEXT, "%1 and %2", "NetTorvin");
    GetDlgItemTextA(shown.page.GetPageWindow(), IDC_TEST_TEXT, text, sizeof text);
    EXPECT_STREQ("NetTorvin and ", text);
}
