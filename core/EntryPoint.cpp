// The product's first and last instructions. No C runtime runs before or
// after: the catalogue is filled here, `start` does the work, and the process
// ends here. The compiler helpers a runtime would provide are in
// CompilerHelpers.cpp, which the test build (with the real runtime) never sees.
#include "core/MessageCatalog.h"
#include "core/Start.h"
#include "util/SystemLibrary.h"

#include <windows.h>

extern "C" void __stdcall EntryPoint()
{
    // Before any DLL is loaded at run time: never from the program's folder.
    RestrictDllSearchToSystem();
    FillMessageCatalog();
    int result = start();
    ReleaseMessageCatalog();
    ExitProcess(static_cast<UINT>(result));
}
