#pragma once
#include "pages/Countries.h"
#include "wizard/BitmapPage.h"

const unsigned long kRegistrationTextCapacity = 1024;
const unsigned long kZipCapacity = 512;

// Full name, company, e-mail, zip code and country, pre-filled from the
// suite's earlier registration or from the system's registered owner and
// the locale, and written to the suite's Updates key after the installation.
class RegistrationPage : public BitmapPage {
public:
    // Reads the defaults.
    RegistrationPage(HBITMAP bitmap, COLORREF backgroundColour);

    bool OnInitDialog() override;
    bool OnNext() override;
    bool OnKillActive() override;
    bool Commit() override;

private:
    void ReadDefaults();
    bool ReadEarlierRegistration();
    void ReadSystemOwner();
    void FillCountryList();
    void LayOutLabels();
    void LimitFields();

    char userName[kRegistrationTextCapacity];
    char email[kRegistrationTextCapacity];
    char company[kRegistrationTextCapacity];
    char zip[kZipCapacity];
    char country[kRegistrationTextCapacity];
    const CountryEntry* countryList[kCountryCount];
    unsigned long countryCount;
};
