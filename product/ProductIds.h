#pragma once
// Resource identifiers of the product program.

// The product's icon: the search file type's "DefaultIcon" is the program
// with ",-10000", a resource id rather than an index.
#define IDI_PRODUCT 10000
