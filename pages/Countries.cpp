#include "pages/Countries.h"

#include "util/Text.h"

#include <windows.h>

CountryEntry countryTable[kCountryCount];

static const char kUnitedStatesName[] = "United States of America";
static const char kUnitedStatesKey[] = "United States";

void FillCountryTable()
{
    for (unsigned long i = 0; i < kCountryCount; ++i) {
        const char* name = textCountryNames[i];
        countryTable[i].displayName = name;
        countryTable[i].key = lstrcmpA(name, kUnitedStatesName) == 0 ? kUnitedStatesKey : name;
    }
}

unsigned long BuildCountryList(const CountryEntry** list)
{
    list[0] = &countryTable[0];
    // Insertion sort: stable, and a few hundred names need nothing faster.
    for (unsigned long i = 1; i < kCountryCount; ++i) {
        const CountryEntry* entry = &countryTable[i];
        unsigned long at = i;
        while (at > 1 && StrCompareNoCase(list[at - 1]->displayName, entry->displayName) > 0) {
            list[at] = list[at - 1];
            --at;
        }
        list[at] = entry;
    }
    return kCountryCount;
}

// How many leading characters key and country share, case ignored; whether
// a non-letter was among them.
static unsigned long CommonBeginning(const char* key, const char* country, bool* passedNonLetter)
{
    unsigned long j = 0;
    *passedNonLetter = false;
    while (key[j] && country[j] && StrCompareNoCaseN(key + j, country + j, 1) == 0) {
        if (!IsCharAlphaA(key[j]))
            *passedNonLetter = true;
        ++j;
    }
    return j;
}

unsigned long FindDefaultCountry(const CountryEntry* const* list, unsigned long count, const char* country)
{
    unsigned long best = 0;
    unsigned long bestLength = 0;
    for (unsigned long i = 0; i < count; ++i) {
        const char* key = list[i]->key;
        bool passedNonLetter;
        unsigned long j = CommonBeginning(key, country, &passedNonLetter);
        bool whole = key[j] == 0 && country[j] == 0;
        if (j > bestLength && (whole || passedNonLetter)) {
            best = i;
            bestLength = j;
        }
    }
    return best;
}
