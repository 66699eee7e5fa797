#pragma once
// Every registry entry that makes an installed product known to the shell
// and the system. Nothing here reports failure: a key that cannot be opened
// skips the values that belong to it.

class Installer;

// Per selected product: clears its per-machine settings key, registers its
// search file type ("<baseName>Search", opened by the program with
// " /load:%1") and writes its "Distributor" value.
void RegisterSearchFileTypes(Installer& installer);
// The find-menu extension's class, the suite's find-extension key with one
// subkey per selected product, and on NT the shell's approval.
void RegisterFindMenuExtension(Installer& installer);
// One uninstall entry per selected product: its name and the command line
// "<uninstaller> <installDir>", unquoted as the system's readers expect.
void RegisterUninstallEntry(Installer& installer);
// Deletes the product's key under HKEY_LOCAL_MACHINE's suite settings, then
// the suite's per-machine keys when no product key is left there.
void RemoveMachineProductKey(const char* productSubkey);
