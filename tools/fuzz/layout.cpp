// The layout arithmetic of the pages, the backdrop's gradient and the side
// picture's panel, from numbers in the input.
#include "FuzzInput.h"
#include "core/BackdropGradient.h"
#include "pages/PageLayout.h"
#include "wizard/PanelPicture.h"

namespace {

// The headers' stated range for window coordinates and sizes.
const long kLargest = 1l << 24;

int Coordinate(FuzzInput& input)
{
    return static_cast<int>(input.Number() % (2 * kLargest + 1) - kLargest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const unsigned long pageRight = kPageControlsLeft + kPageControlsWidth;

    RegistrationLayout registration = LayOutRegistration(input.Number());
    FUZZ_CHECK(registration.fieldLeft + registration.fieldWidth == pageRight);
    FUZZ_CHECK(registration.fieldWidth >= kMinimumRegistrationField);

    PathRowLayout pathRow = LayOutPathRow(input.Number());
    FUZZ_CHECK(pathRow.fieldWidth >= kMinimumPathField && pathRow.buttonLeft < pageRight);

    // Measured label widths; the header's stated range.
    unsigned long typeLabel = input.Number() % kLargestLabelUnits;
    unsigned long addressLabel = input.Number() % kLargestLabelUnits;
    unsigned long portLabel = input.Number() % kLargestLabelUnits;
    ProxyRowLayout proxyRow = LayOutProxyRow(typeLabel, addressLabel, portLabel);
    FUZZ_CHECK(proxyRow.typeListLeft + proxyRow.typeListWidth <= pageRight);
    FUZZ_CHECK(proxyRow.addressWidth >= kMinimumAddressField);
    FUZZ_CHECK(proxyRow.addressLeft + proxyRow.addressWidth < proxyRow.portLabelLeft);
    FUZZ_CHECK(proxyRow.portLabelLeft + proxyRow.portLabelWidth <= pageRight);

    RECT client;
    client.left = Coordinate(input);
    client.top = Coordinate(input);
    client.right = Coordinate(input);
    client.bottom = Coordinate(input);
    COLORREF base = input.Number();
    COLORREF light = input.Number();
    PaintGradient(nullptr, client, base, light);
    int band = static_cast<int>(input.Number(1) % kGradientBandCount);
    COLORREF colour = GradientBandColour(base, light, band);
    FUZZ_CHECK(colour >> 24 == 0);

    int panelRight = Coordinate(input);
    int panelBottom = Coordinate(input);
    RECT inside = PanelInside(panelRight, panelBottom);
    FUZZ_CHECK(inside.left == 2 && inside.top == 2);
    POINT origin = PanelPictureOrigin(panelRight, panelBottom, Coordinate(input), Coordinate(input));
    (void)origin;
    return 0;
}
