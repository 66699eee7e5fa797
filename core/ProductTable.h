#pragma once
#include "core/ProductEntry.h"

const unsigned long kBuiltInProductCount = 1;

// Fills table (kBuiltInProductCount records) with the built-in product table.
// Slots 0, 8, 9 and 10 stay empty: start fills them from the catalogue.
void CopyBuiltInProductTable(ProductEntry* table);
