#pragma once
// Windows 95, 98 and Me (platform VER_PLATFORM_WIN32_WINDOWS).
bool IsWindows9x();
// Major version 5 or more: Windows 2000 and later.
bool IsVersion5OrLater();
