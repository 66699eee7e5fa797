#include "util/SystemVersion.h"

#include "util/Memory.h"

#include <windows.h>

// A zeroed record answers false to both questions when the query fails.
static OSVERSIONINFOA QueryVersion()
{
    OSVERSIONINFOA info;
    MemFill(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        MemFill(&info, 0, sizeof info);
    return info;
}

bool IsWindows9x()
{
    return QueryVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool IsVersion5OrLater()
{
    return QueryVersion().dwMajorVersion >= 5;
}
