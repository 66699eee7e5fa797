#pragma once
// Undoing an installation of the selected products, from the product table
// alone: everything an installation can have made is removed, and whatever
// is not there is passed over. What the suite's products share goes only when
// no suite product is left registered in the find-menu list. Call
// RemoveRegistration first: RemoveFiles decides on the registry it leaves.

class Installer;

// Registry and shell entries of every selected product (and the suite's,
// when it is gone), then one taskbar refresh.
void RemoveRegistration(Installer& installer);
// Files and empty directories of every selected product; the suite's
// temporary files and shared component when the suite is gone (queued for
// restart when in use); every uninstaller queued for deletion at restart.
void RemoveFiles(Installer& installer);
