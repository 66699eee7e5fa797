#pragma once
#include "pages/ProxySetting.h"
#include "wizard/BitmapPage.h"

// The last page: whether the product reaches the Internet through an HTTP
// proxy, and which. Starts from the saved setting or the browser's; asks
// before finishing with a setting other than the browser's, refuses an
// incomplete one, and saves the setting after the installation.
class ProxyPage : public BitmapPage {
public:
    // Reads the saved or the browser's setting into httpProxy.
    ProxyPage(HBITMAP bitmap, COLORREF backgroundColour);

    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnNext() override;
    bool OnFinish() override;
    bool OnKillActive() override;
    bool OnCommand(WORD notifyCode, WORD controlId, HWND controlWindow) override;
    bool Commit() override;

private:
    void InitProxyRow();
    void LayOutProxyRow();
    void UpdateProxyRow();
    unsigned long SelectedType();

    bool browserKnown;
    ProxySetting browserProxy;
};
