// The product program's first and last instructions; no C runtime runs
// before or after.
#include "product/ProductTexts.h"
#include "product/ProductWindow.h"
#include "util/SystemLibrary.h"

#include <windows.h>

extern "C" void __stdcall EntryPoint()
{
    RestrictDllSearchToSystem();
    FillProductTexts();
    int result = RunProductWindow(GetCommandLineA());
    ReleaseProductTexts();
    ExitProcess(static_cast<UINT>(result));
}
