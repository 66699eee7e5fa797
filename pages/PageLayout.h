#pragma once
// Where the pages put the controls they size at run time, in layout units.
// The page's controls span 92 to 276 units; no label or button may leave a
// field without room.

const unsigned long kPageControlsLeft = 92;
const unsigned long kPageControlsWidth = 184;

// Registration page: labels of the widest label's width, the fields from
// their right edge to the page's, the zip field half as wide.
struct RegistrationLayout {
    unsigned long labelWidth;
    unsigned long fieldLeft;
    unsigned long fieldWidth;
    unsigned long zipWidth;
};
// A label wider than the page leaves would be cut, rather than the fields.
const unsigned long kMinimumRegistrationField = 40;
RegistrationLayout LayOutRegistration(unsigned long widestLabel);

// Install options page: the browse button ends at 275, the path field keeps
// its left edge and ends 7 units before the button.
struct PathRowLayout {
    unsigned long buttonLeft;
    unsigned long buttonWidth;
    unsigned long fieldWidth;
};
const unsigned long kMinimumPathField = 40;
PathRowLayout LayOutPathRow(unsigned long buttonUnits);

// Proxy page, from the measured widths of its three labels: the type list
// right of its label, 70 wide; the address field right of its label, ending
// 16 units before the port label, which ends where the port field begins.
struct ProxyRowLayout {
    unsigned long typeLabelWidth;
    unsigned long typeListLeft;
    unsigned long typeListWidth;
    unsigned long addressLabelWidth;
    unsigned long addressLeft;
    unsigned long addressWidth;
    unsigned long portLabelLeft;
    unsigned long portLabelWidth;
};
const unsigned long kMinimumAddressField = 16;
// Label widths up to this many units (no measured text comes near it); wider
// ones wrap the sum of the two labels and place the fields wrongly.
const unsigned long kLargestLabelUnits = 1ul << 30;
ProxyRowLayout LayOutProxyRow(unsigned long typeLabelUnits, unsigned long addressLabelUnits,
                              unsigned long portLabelUnits);
