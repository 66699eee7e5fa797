#include "pages/ProxyPage.h"

#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "integration/RegistryKey.h"
#include "pages/BrowserProxy.h"
#include "pages/PageLayout.h"
#include "resources/DialogIds.h"
#include "util/Format.h"
#include "wizard/LayoutUnits.h"

const unsigned long kMessageCapacity = 1024;

ProxyPage::ProxyPage(HBITMAP bitmap, COLORREF backgroundColour)
    : BitmapPage(IDD_PROXY, bitmap, backgroundColour), browserKnown(false)
{
    // The setting starts empty for every page built, not only the first.
    ClearProxySetting(httpProxy);
    ClearProxySetting(browserProxy);
    LoadProxyDefaults(kHttpProxyKind, kProxyTypeCern, httpProxy, &browserKnown, browserProxy);
}

bool ProxyPage::OnInitDialog()
{
    SetItemText(IDC_PROXY_EXPLANATION, textProxyExplanation);
    SetItemText(IDC_PROXY_NOTE, textProxyNote);
    // Nothing typed can be longer than the setting holds.
    SendDlgItemMessageA(window, IDC_PROXY_ADDRESS, EM_LIMITTEXT, kProxyHostCapacity - 1, 0);
    return true;
}

bool ProxyPage::OnSetActive()
{
    InitProxyRow();
    return false;
}

void ProxyPage::InitProxyRow()
{
    SetItemText(IDC_PROXY_TYPE_LABEL, textHttpProxyLabel);
    // Shown again after Back, the list still lists each type once.
    HWND list = GetDlgItem(window, IDC_PROXY_TYPE);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    const char* types[] = {textProxyTypeNone, textProxyTypeCern, textProxyTypeSocks};
    for (const char* type : types)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type));
    SendMessageA(list, CB_SETCURSEL, httpProxy.type, 0);
    SetItemText(IDC_PROXY_ADDRESS_LABEL, textProxyAddressLabel);
    SetItemText(IDC_PROXY_ADDRESS, httpProxy.host);
    SetItemText(IDC_PROXY_PORT_LABEL, textProxyPortLabel);
    SetItemInt(IDC_PROXY_PORT, httpProxy.port);
    LayOutProxyRow();
    UpdateProxyRow();
}

void ProxyPage::LayOutProxyRow()
{
    ProxyRowLayout layout = ::LayOutProxyRow(MeasureTextUnits(textHttpProxyLabel, false),
                                             MeasureTextUnits(textProxyAddressLabel, false),
                                             MeasureTextUnits(textProxyPortLabel, false));
    SetItemWidth(IDC_PROXY_TYPE_LABEL, layout.typeLabelWidth);
    PlaceItem(IDC_PROXY_TYPE, layout.typeListLeft, layout.typeListWidth);
    SetItemWidth(IDC_PROXY_ADDRESS_LABEL, layout.addressLabelWidth);
    PlaceItem(IDC_PROXY_ADDRESS, layout.addressLeft, layout.addressWidth);
    PlaceItem(IDC_PROXY_PORT_LABEL, layout.portLabelLeft, layout.portLabelWidth);
}

// No selection counts as "None".
unsigned long ProxyPage::SelectedType()
{
    LRESULT selected = SendDlgItemMessageA(window, IDC_PROXY_TYPE, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? kProxyTypeNone : static_cast<unsigned long>(selected);
}

void ProxyPage::UpdateProxyRow()
{
    BOOL enabled = SelectedType() != kProxyTypeNone;
    EnableWindow(GetDlgItem(window, IDC_PROXY_ADDRESS), enabled);
    EnableWindow(GetDlgItem(window, IDC_PROXY_PORT), enabled);
}

bool ProxyPage::OnCommand(WORD, WORD controlId, HWND)
{
    if (controlId == IDC_PROXY_TYPE)
        UpdateProxyRow();
    return true;
}

bool ProxyPage::OnKillActive()
{
    httpProxy.type = SelectedType();
    GetItemText(IDC_PROXY_ADDRESS, httpProxy.host, sizeof httpProxy.host);
    httpProxy.port = GetItemInt(IDC_PROXY_PORT);
    return false;
}

bool ProxyPage::OnNext()
{
    if (browserKnown && !SameProxySetting(httpProxy, browserProxy))
        return ShowMessage(textProxyDiffersFromBrowser, MB_YESNO | MB_ICONEXCLAMATION) != IDYES;
    if (httpProxy.type == kProxyTypeNone)
        return false;
    bool noHost = httpProxy.host[0] == 0;
    bool noPort = httpProxy.port == -1;
    if (noHost && noPort) {
        // Nothing given: the setting silently becomes "None".
        httpProxy.type = kProxyTypeNone;
    } else if (noHost || noPort) {
        char message[kMessageCapacity];
        if (!FormatTextInto(message, sizeof message, textProxyIncomplete, kHttpProxyKind))
            message[0] = 0;
        ShowMessage(message, MB_OK | MB_ICONHAND);
        return true;
    }
    return false;
}

bool ProxyPage::OnFinish()
{
    return OnNext();
}

bool ProxyPage::Commit()
{
    SavedProxyValueNames names;
    RegistryKey key(GetProductSubkey(0));
    if (MakeSavedProxyValueNames(kHttpProxyKind, names) && key.Open(SuiteUpdates, nullptr, false)) {
        key.WriteDword(names.type, httpProxy.type);
        key.WriteString(names.server, httpProxy.host);
        key.WriteDword(names.port, static_cast<unsigned long>(httpProxy.port));
    }
    return true;
}
