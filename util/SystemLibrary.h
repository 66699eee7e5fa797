#pragma once
#include <windows.h>

// DLLs that are not "known DLLs" would be searched for in the program's own
// folder first, where a download page can have dropped one of that name.
// These load them from the System directory only.

// Restricts every later DLL search to the System directory, where the
// system offers that (Windows 8, and 7 / Vista with the update; looked up at
// run time since Windows 95 lacks it). Call before anything else runs.
void RestrictDllSearchToSystem();

// Loads the named DLL by its full System-directory path, once; later calls
// give the same handle. Null when it cannot be loaded or the path does not fit.
HMODULE LoadSystemLibrary(const char* name);

// A function of a DLL from the System directory, by name or (for a value
// below 0x10000) by ordinal; null when either is missing.
FARPROC SystemFunction(const char* library, const char* function);
