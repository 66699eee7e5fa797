#include "pages/NoticePage.h"

#include "core/MessageCatalog.h"
#include "resources/DialogIds.h"

NoticePage::NoticePage(HBITMAP bitmap, COLORREF backgroundColour)
    : BitmapPage(IDD_NOTICE, bitmap, backgroundColour)
{
}

bool NoticePage::OnInitDialog()
{
    SetFormattedItemText(IDC_NOTICE_TEXT, textEarlierVersionNotice);
    return true;
}
