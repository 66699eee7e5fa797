// The product program's first and last instructions; no C runtime runs
// before or after.
#include "product/ProductTexts.h"
#include "product/ProductWindow.h"
#include "uninstaller/NoRuntime.h"

#include <windows.h>

extern "C" void __stdcall EntryPoint()
{
    RestrictDllSearch();
    FillProductTexts();
    int result = RunProductWindow(GetCommandLineA());
    ReleaseProductTexts();
    ExitProcess(static_cast<UINT>(result));
}
