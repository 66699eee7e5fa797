#include "payload/PayloadExtractor.h"

#include "payload/CompressedHeader.h"
#include "util/Path.h"
#include "util/SystemDlls.h"

#include <windows.h>
#include <lzexpand.h>

namespace {

const unsigned long kCopyBufferSize = 1024;

// Writes the resource's bytes into a new temporary file; on success its
// name is in tempPath. On failure no temporary file remains.
bool CopyResourceToTempFile(const void* bytes, DWORD size, char* tempPath)
{
    char tempDirectory[kPathCapacity];
    DWORD length = GetTempPathA(sizeof tempDirectory, tempDirectory);
    if (!bytes || length == 0 || length >= sizeof tempDirectory)
        return false;
    // Asking for the name creates the empty file.
    if (!GetTempFileNameA(tempDirectory, "QX", 0, tempPath))
        return false;
    HANDLE file = CreateFileA(tempPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    bool copied = false;
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        copied = WriteFile(file, bytes, size, &written, nullptr) && written == size;
        CloseHandle(file);
    }
    if (!copied)
        DeleteFileA(tempPath);
    return copied;
}

// The expanded length the source's header promises; false for a source
// that is not in the COMPRESS format (LZ32 then copies it unchanged).
bool PromisedLength(const char* source, unsigned long* expandedLength)
{
    HANDLE file = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    unsigned char header[kCompressedHeaderSize];
    DWORD read = 0;
    bool ok = ReadFile(file, header, sizeof header, &read, nullptr)
        && ReadExpandedLength(header, read, expandedLength);
    CloseHandle(file);
    return ok;
}

// Streams the expansion through one buffer; the total expanded is counted.
bool CopyExpanded(INT source, HANDLE destination, unsigned long* total)
{
    char buffer[kCopyBufferSize];
    *total = 0;
    for (;;) {
        INT count = LzRead(source, buffer, sizeof buffer);
        if (count < 0)
            return false;
        DWORD written = 0;
        if (count > 0 && (!WriteFile(destination, buffer, count, &written, nullptr)
                          || written != static_cast<DWORD>(count)))
            return false;
        *total += count;
        if (count != static_cast<INT>(sizeof buffer))
            return true;
    }
}

} // namespace

bool PayloadExtractor::ExtractPayload(unsigned short identifier, const char* destination)
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(identifier), "CUSTOM");
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(nullptr, resource);
    if (!loaded)
        return false;
    char tempPath[kPathCapacity];
    bool copied = CopyResourceToTempFile(LockResource(loaded), SizeofResource(nullptr, resource), tempPath);
    FreeResource(loaded);
    if (!copied)
        return false;
    bool expanded = ExpandCompressedFile(tempPath, destination);
    DeleteFileA(tempPath);
    return expanded;
}

bool PayloadExtractor::ExpandCompressedFile(const char* source, const char* destination)
{
    unsigned long promised = 0;
    bool hasPromise = PromisedLength(source, &promised);
    OFSTRUCT openRecord;
    openRecord.cBytes = sizeof openRecord;
    INT lzSource = LzOpenFile(const_cast<char*>(source), &openRecord, OF_READ);
    if (lzSource < 0)
        return false;
    HANDLE file = CreateFileA(destination, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LzClose(lzSource);
        return false;
    }
    // CREATE_ALWAYS over an existing file leaves ERROR_ALREADY_EXISTS behind;
    // only errors of the copy and the close may count below.
    SetLastError(0);
    unsigned long total = 0;
    bool copied = CopyExpanded(lzSource, file, &total);
    // LZ32 expands a truncated file without complaint: the header's length decides.
    if (copied && hasPromise && total != promised)
        copied = false;
    CloseHandle(file);
    if (!copied)
        DeleteFileA(destination);
    LzClose(lzSource);
    return copied && GetLastError() == 0;
}
