#pragma once
// Resource identifiers, shared by the resource scripts and the code.

#define IDI_SETUP 101

// Payloads: resources of type "CUSTOM", language 1033.
#define IDR_SHARED_COMPONENT 998
#define IDR_SIDE_PICTURE 999
// Product i's four payloads start at IDR_PRODUCT_BASE + 1000 * i.
#define IDR_PRODUCT_BASE 8000
#define IDR_PRODUCT_PROGRAM_OFFSET 0
#define IDR_PRODUCT_HELP_OFFSET 1
#define IDR_PRODUCT_HELP_CONTENTS_OFFSET 2
#define IDR_PRODUCT_UNINSTALLER_OFFSET 3
#define IDR_PRODUCT_STRIDE 1000
