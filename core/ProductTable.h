#pragma once
#include "core/ProductEntry.h"

const unsigned long kBuiltInProductCount = 1;

// Fills table (kBuiltInProductCount records) with the built-in product table.
// Slots 0, 8, 9 and 10 stay empty: start fills them from the catalogue.
void CopyBuiltInProductTable(ProductEntry* table);
// The copy with product 0's display name and menu texts taken from the
// (filled) message catalogue, as every run of the program uses it.
void PrepareBuiltInProductTable(ProductEntry* table);
