#pragma once
#include "core/MessageCatalog.h"

// One country of the registration page's list: the key is what is stored
// and matched, the display name what the list shows. They differ only for
// "United States of America", stored as "United States".
struct CountryEntry {
    const char* key;
    const char* displayName;
};

// "Other" first, then the countries in the catalogue's order. Its texts are
// the catalogue's: FillCountryTable points the records at them.
extern CountryEntry countryTable[kCountryCount];
void FillCountryTable();

// The list the page shows: "Other" first, then the other records sorted by
// display name in the user's locale order, case ignored. list holds
// kCountryCount entries; gives the count.
unsigned long BuildCountryList(const CountryEntry** list);

// The index of the entry whose key best matches the country text: the
// longest case-insensitive common beginning that is either the whole of both
// texts or passes a non-letter (a word break). The earlier entry wins a tie;
// 0 ("Other") when nothing matches.
unsigned long FindDefaultCountry(const CountryEntry* const* list, unsigned long count, const char* country);
