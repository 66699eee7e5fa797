#include "pages/RegistrationPage.h"

#include "core/Installer.h"
#include "pages/PageLayout.h"
#include "pages/RegistryText.h"
#include "resources/DialogIds.h"
#include "util/SystemVersion.h"
#include "util/Text.h"
#include "wizard/LayoutUnits.h"

static const char kWindows9xKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
static const char kWindowsNtKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";

RegistrationPage::RegistrationPage(HBITMAP bitmap, COLORREF backgroundColour)
    : BitmapPage(IDD_REGISTRATION, bitmap, backgroundColour), countryCount(0)
{
    userName[0] = email[0] = company[0] = zip[0] = country[0] = 0;
    FillCountryTable();
    ReadDefaults();
}

void RegistrationPage::ReadDefaults()
{
    if (!ReadEarlierRegistration())
        ReadSystemOwner();
}

// An earlier registration counts only with its user name; then all five
// values come from it, missing ones empty.
bool RegistrationPage::ReadEarlierRegistration()
{
    RegistryKey key(GetProductSubkey(0));
    if (!key.Open(SuiteUpdates, nullptr, true) || !key.ValueExists("username"))
        return false;
    ReadTextValue(key, "username", userName, sizeof userName);
    ReadTextValue(key, "email", email, sizeof email);
    ReadTextValue(key, "company", company, sizeof company);
    ReadTextValue(key, "zip", zip, sizeof zip);
    ReadTextValue(key, "country", country, sizeof country);
    return true;
}

void RegistrationPage::ReadSystemOwner()
{
    RegistryKey key(GetProductSubkey(0));
    if (!key.Open(LocalMachine, IsWindows9x() ? kWindows9xKey : kWindowsNtKey, true))
        return;
    ReadTextValue(key, "RegisteredOwner", userName, sizeof userName);
    ReadTextValue(key, "RegisteredOrganization", company, sizeof company);
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGCOUNTRY, country, sizeof country))
        country[0] = 0;
}

void RegistrationPage::FillCountryList()
{
    countryCount = BuildCountryList(countryList);
    HWND combo = GetDlgItem(window, IDC_COUNTRY);
    for (unsigned long i = 0; i < countryCount; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(countryList[i]->displayName));
}

void RegistrationPage::LayOutLabels()
{
    const char* labels[] = {textCompanyLabel, textFullNameLabel, textEmailLabel, textZipLabel, textCountryLabel};
    unsigned long widest = 0;
    for (const char* label : labels) {
        unsigned long width = MeasureTextUnits(label, false);
        if (width > widest)
            widest = width;
    }
    RegistrationLayout layout = LayOutRegistration(widest);
    for (int id = IDC_FULL_NAME_LABEL; id <= IDC_COUNTRY_LABEL; ++id)
        SetItemWidth(id, layout.labelWidth);
    PlaceItem(IDC_FULL_NAME, layout.fieldLeft, layout.fieldWidth);
    PlaceItem(IDC_COMPANY, layout.fieldLeft, layout.fieldWidth);
    PlaceItem(IDC_EMAIL, layout.fieldLeft, layout.fieldWidth);
    PlaceItem(IDC_ZIP, layout.fieldLeft, layout.zipWidth);
    PlaceItem(IDC_COUNTRY, layout.fieldLeft, layout.fieldWidth);
}

// Nothing typed can be longer than the buffer that keeps it.
void RegistrationPage::LimitFields()
{
    SendDlgItemMessageA(window, IDC_FULL_NAME, EM_LIMITTEXT, sizeof userName - 1, 0);
    SendDlgItemMessageA(window, IDC_COMPANY, EM_LIMITTEXT, sizeof company - 1, 0);
    SendDlgItemMessageA(window, IDC_EMAIL, EM_LIMITTEXT, sizeof email - 1, 0);
    SendDlgItemMessageA(window, IDC_ZIP, EM_LIMITTEXT, sizeof zip - 1, 0);
}

bool RegistrationPage::OnInitDialog()
{
    FillCountryList();
    unsigned long defaultIndex = FindDefaultCountry(countryList, countryCount, country);
    SetFormattedItemText(IDC_REGISTRATION_HEADING, textRegistrationPrompt);
    LayOutLabels();
    SetItemText(IDC_FULL_NAME_LABEL, textFullNameLabel);
    SetItemText(IDC_COMPANY_LABEL, textCompanyLabel);
    SetItemText(IDC_EMAIL_LABEL, textEmailLabel);
    SetItemText(IDC_ZIP_LABEL, textZipLabel);
    SetItemText(IDC_COUNTRY_LABEL, textCountryLabel);
    LimitFields();
    SetItemText(IDC_FULL_NAME, userName);
    SetItemText(IDC_COMPANY, company);
    SetItemText(IDC_EMAIL, email);
    SetItemText(IDC_ZIP, zip);
    SendDlgItemMessageA(window, IDC_COUNTRY, CB_SETCURSEL, defaultIndex, 0);
    return true;
}

bool RegistrationPage::OnNext()
{
    OnKillActive();
    return false;
}

bool RegistrationPage::OnKillActive()
{
    GetItemText(IDC_FULL_NAME, userName, sizeof userName);
    GetItemText(IDC_COMPANY, company, sizeof company);
    GetItemText(IDC_EMAIL, email, sizeof email);
    GetItemText(IDC_ZIP, zip, sizeof zip);
    LRESULT selected = SendDlgItemMessageA(window, IDC_COUNTRY, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR || static_cast<unsigned long>(selected) >= countryCount)
        GetItemText(IDC_COUNTRY, country, sizeof country);
    else
        StrCopyBounded(country, sizeof country, countryList[selected]->key);
    return false;
}

bool RegistrationPage::Commit()
{
    RegistryKey key(GetProductSubkey(0));
    if (key.Open(SuiteUpdates, nullptr, false)) {
        key.WriteString("username", userName);
        key.WriteString("email", email);
        key.WriteString("company", company);
        key.WriteString("zip", zip);
        key.WriteString("country", country);
    }
    return true;
}
