#include "util/SystemDlls.h"

#include "util/SystemLibrary.h"

#include <lzexpand.h>

namespace {

template <typename Function>
Function Lookup(const char* library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

const char kCommonControls[] = "comctl32.dll";
const char kLz32[] = "lz32.dll";

} // namespace

bool InitCommonControlsFromSystem()
{
    typedef void(WINAPI * Init)();
    Init init = Lookup<Init>(kCommonControls, "InitCommonControls");
    if (!init)
        return false;
    init();
    return true;
}

INT_PTR PropertySheetFromSystem(LPCPROPSHEETHEADERA header)
{
    typedef INT_PTR(WINAPI * Sheet)(LPCPROPSHEETHEADERA);
    Sheet sheet = Lookup<Sheet>(kCommonControls, "PropertySheetA");
    return sheet ? sheet(header) : -1;
}

INT LzOpenFile(LPSTR path, LPOFSTRUCT record, WORD style)
{
    typedef INT(WINAPI * Open)(LPSTR, LPOFSTRUCT, WORD);
    Open open = Lookup<Open>(kLz32, "LZOpenFileA");
    return open ? open(path, record, style) : LZERROR_GLOBALLOC;
}

INT LzRead(INT file, LPSTR buffer, INT count)
{
    typedef INT(WINAPI * Read)(INT, LPSTR, INT);
    Read read = Lookup<Read>(kLz32, "LZRead");
    return read ? read(file, buffer, count) : LZERROR_READ;
}

void LzClose(INT file)
{
    typedef void(WINAPI * Close)(INT);
    Close close = Lookup<Close>(kLz32, "LZClose");
    if (close)
        close(file);
}
