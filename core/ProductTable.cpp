#include "core/ProductTable.h"

#include "core/MessageCatalog.h"
#include "util/Memory.h"

static const ProductEntry kBuiltInProducts[kBuiltInProductCount] = {
    {
        nullptr,
        "Auction",
        "AuctionTorvin",
        "AuctionTorvin.exe",
        "AuctionTorvin.hlp",
        "AuctionTorvin.cnt",
        "AuctionTorvin.gid",
        "AuctionTorvinUninstall.exe",
        nullptr,
        nullptr,
        nullptr,
        nullptr,
    },
};

const char*& ProductSlot(ProductEntry& entry, unsigned long slot)
{
    // The record is twelve text pointers in slot order and nothing else.
    static_assert(sizeof(ProductEntry) == kProductSlotCount * sizeof(const char*), "slot layout");
    return reinterpret_cast<const char**>(&entry)[slot];
}

void CopyBuiltInProductTable(ProductEntry* table)
{
    MemCopy(table, kBuiltInProducts, sizeof kBuiltInProducts);
}

void PrepareBuiltInProductTable(ProductEntry* table)
{
    CopyBuiltInProductTable(table);
    table[0].displayName = textProductName;
    table[0].findMenuText = textFindMenuItem;
    table[0].searchMenuText = textSearchMenuItem;
    table[0].findMenuHelpText = textFindMenuHelp;
}
