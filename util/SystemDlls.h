#pragma once
// The common controls and LZ32, taken from the System directory at run time
// (see SystemLibrary.h). Each call fails like the original would when the
// DLL or the function is missing.
#include <windows.h>
#include <commctrl.h>

// InitCommonControls; false when the common controls cannot be loaded.
bool InitCommonControlsFromSystem();
// PropertySheetA; -1 when it cannot be had.
INT_PTR PropertySheetFromSystem(LPCPROPSHEETHEADERA header);

// LZOpenFileA, LZRead and LZClose; a negative handle or count on failure.
INT LzOpenFile(LPSTR path, LPOFSTRUCT record, WORD style);
INT LzRead(INT file, LPSTR buffer, INT count);
void LzClose(INT file);
