#include "pages/PageLayout.h"

const unsigned long kTypeListWidth = 70;
const unsigned long kProxyLabelGap = 3;
// The address field spans 140 units up to 16 units before the port field at 248.
const unsigned long kProxyRowWidth = 140;
const unsigned long kPortFieldLeft = 248;
const unsigned long kBrowseButtonRight = 275;
const unsigned long kPathRowWidth = 176;

RegistrationLayout LayOutRegistration(unsigned long widestLabel)
{
    unsigned long widest = kPageControlsWidth - kMinimumRegistrationField;
    RegistrationLayout layout;
    layout.labelWidth = widestLabel < widest ? widestLabel : widest;
    layout.fieldLeft = kPageControlsLeft + layout.labelWidth;
    layout.fieldWidth = kPageControlsWidth - layout.labelWidth;
    layout.zipWidth = layout.fieldWidth / 2;
    return layout;
}

PathRowLayout LayOutPathRow(unsigned long buttonUnits)
{
    unsigned long widest = kPathRowWidth - kMinimumPathField;
    PathRowLayout layout;
    layout.buttonWidth = buttonUnits < widest ? buttonUnits : widest;
    layout.buttonLeft = kBrowseButtonRight - layout.buttonWidth;
    layout.fieldWidth = kPathRowWidth - layout.buttonWidth;
    return layout;
}

ProxyRowLayout LayOutProxyRow(unsigned long typeLabelUnits, unsigned long addressLabelUnits,
                              unsigned long portLabelUnits)
{
    ProxyRowLayout layout;
    unsigned long widestTypeLabel = kPageControlsWidth - kTypeListWidth;
    layout.typeLabelWidth = typeLabelUnits < widestTypeLabel ? typeLabelUnits : widestTypeLabel;
    layout.typeListLeft = kPageControlsLeft + layout.typeLabelWidth;
    layout.typeListWidth = kTypeListWidth;
    unsigned long e = addressLabelUnits + kProxyLabelGap;
    unsigned long f = portLabelUnits + kProxyLabelGap;
    // Labels too wide for the row are narrowed, the wider one first, so the
    // address field keeps some room.
    unsigned long room = kProxyRowWidth - kMinimumAddressField;
    if (e + f > room) {
        unsigned long half = room / 2;
        if (e <= half)
            f = room - e;
        else if (f <= half)
            e = room - f;
        else
            e = half, f = room - half;
    }
    layout.addressLabelWidth = e;
    layout.addressLeft = kPageControlsLeft + e;
    layout.addressWidth = kProxyRowWidth - e - f;
    layout.portLabelLeft = kPortFieldLeft - f;
    layout.portLabelWidth = f;
    return layout;
}
