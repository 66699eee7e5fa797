#include "pages/InstallPathCheck.h"

#include "util/Path.h"
#include "util/Text.h"

static const char kTestFileName[] = "test.tmp";

// The previous "\" before position, or null.
static char* PreviousSeparator(char* start, char* position)
{
    while (position > start) {
        --position;
        if (*position == '\\')
            return position;
    }
    return nullptr;
}

// Removes the directories whose paths end at the separators from deepest up
// to and including firstCreated, deepest first; failures are ignored.
static void RemoveCreated(char* buffer, char* deepest, char* firstCreated)
{
    for (char* end = deepest; end && end >= firstCreated; end = PreviousSeparator(buffer, end)) {
        *end = 0;
        RemoveDirectoryA(buffer);
        *end = '\\';
    }
}

static bool CanCreateFileIn(char* buffer)
{
    unsigned long length = StrLength(buffer);
    StrAppendBounded(buffer, kPathCapacity, kTestFileName);
    HANDLE file = CreateFileA(buffer, GENERIC_READ, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    bool created = file != INVALID_HANDLE_VALUE;
    if (created) {
        CloseHandle(file);
        DeleteFileA(buffer);
    }
    buffer[length] = 0;
    return created;
}

bool ValidateInstallPath(const char* path)
{
    char buffer[kPathCapacity];
    if (!CopyDirectoryPath(buffer, sizeof buffer, path))
        return false;
    // The test file's full name must fit too, or the check cannot be made.
    if (StrLength(buffer) + StrLength(kTestFileName) >= sizeof buffer)
        return false;
    char* position = FirstCreatableComponent(buffer);
    if (!position)
        return false;
    bool failed = false;
    char* firstCreated = nullptr;
    char* deepest = nullptr;
    for (char* separator = StrFindChar(position, '\\'); separator; separator = StrFindChar(position, '\\')) {
        *separator = 0;
        bool made = CreateDirectoryA(buffer, nullptr) != 0;
        failed = !made && GetLastError() != ERROR_ALREADY_EXISTS;
        *separator = '\\';
        if (failed)
            break;
        if (made && !firstCreated)
            firstCreated = separator;
        deepest = separator;
        position = separator + 1;
    }
    if (!failed && !CanCreateFileIn(buffer))
        failed = true;
    if (firstCreated)
        RemoveCreated(buffer, deepest, firstCreated);
    return !failed;
}
