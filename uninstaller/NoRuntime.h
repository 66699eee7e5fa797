#pragma once
// What the project's small programs (the uninstaller and the product
// program) need in place of a C runtime: the compiler helpers are defined in
// NoRuntime.cpp, linked into those programs only.

// Restricts the DLL search to the System folder where the system offers
// that (SetDefaultDllDirectories; Windows 95 and 98 lack it): a DLL planted
// beside the program can then never be loaded in place of a system one.
// First thing in each program's entry point.
void RestrictDllSearch();
