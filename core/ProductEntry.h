#pragma once
// One installable product: twelve texts. In the built-in table they are
// literals (or catalogue texts filled in by start); inside the Installer each
// is a heap copy that the Installer owns.
struct ProductEntry {
    const char* displayName;      // as the user sees it
    const char* subkey;           // key name below the suite's CurrentVersion key
    const char* baseName;         // find-menu subkey, uninstall key, install folder leaf
    const char* programFile;
    const char* helpFile;
    const char* helpContentsFile;
    const char* helpIndexFile;    // made by the help viewer; only ever removed
    const char* uninstallerPath;  // table: file name; Installer: in the Windows directory
    const char* findMenuText;     // Find menu item, major version below 5
    const char* searchMenuText;   // Search menu item, version 5 and later
    const char* findMenuHelpText;
    const char* installDir;       // empty until the install phases set it
};

const unsigned long kProductSlotCount = 12;

// Slot i of a record, in the order above.
const char*& ProductSlot(ProductEntry& entry, unsigned long slot);
