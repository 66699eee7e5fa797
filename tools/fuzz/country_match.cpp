// The country match: the country text, then up to eight keys of a small
// list (each ended by a 0 byte); the first key stands for "Other".
#include "FuzzInput.h"
#include "pages/Countries.h"

#include <string.h>
#include <strings.h>

// The catalogue the product links Countries.cpp with; this list never uses it.
TextString textCountryNames[kCountryCount];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    std::string country = input.Text();
    std::string keys[8];
    CountryEntry entries[8];
    const CountryEntry* list[8];
    unsigned long count = 0;
    while (count < 8 && !input.AtEnd()) {
        keys[count] = input.Text();
        entries[count] = {keys[count].c_str(), keys[count].c_str()};
        list[count] = &entries[count];
        ++count;
    }
    if (count == 0)
        return 0;
    unsigned long found = FindDefaultCountry(list, count, country.c_str());
    FUZZ_CHECK(found < count);
    // A key equal to the text, letter case aside, is always matched: the
    // found one then runs the whole text's length too.
    for (unsigned long i = 0; i < count; ++i) {
        if (strcasecmp(keys[i].c_str(), country.c_str()) == 0)
            FUZZ_CHECK(strncasecmp(keys[found].c_str(), country.c_str(), country.size()) == 0);
    }
    return 0;
}
