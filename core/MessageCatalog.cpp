#include "core/MessageCatalog.h"

TextString textProductName;
TextString textFindMenuItem;
TextString textSearchMenuItem;
TextString textFindMenuHelp;

void FillMessageCatalog()
{
    textProductName.Assign("AuctionTorvin");
    textFindMenuItem.Assign("&Auctions...");
    textSearchMenuItem.Assign("For &Auctions...");
    textFindMenuHelp.Assign("Find auctions on the Internet");
}

void ReleaseMessageCatalog()
{
    textFindMenuHelp.Release();
    textSearchMenuItem.Release();
    textFindMenuItem.Release();
    textProductName.Release();
}
