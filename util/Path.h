#pragma once
// Paths are at most 260 bytes with the terminator (MAX_PATH).

const unsigned long kPathCapacity = 260;

// Appends "\" unless the directory already ends in one, then the name. A
// result that would not fit the capacity leaves the buffer unchanged and
// returns false: a path is refused, never cut into a different one.
bool JoinPath(char* directory, unsigned long capacity, const char* name);
// Copies path into buffer ending in "\"; false (buffer "") when that does
// not fit capacity.
bool CopyDirectoryPath(char* buffer, unsigned long capacity, const char* path);
// Where the first directory level that may need creating begins in a path
// ending in "\": after "C:\" of a drive path, after the server of a network
// path (its share); null for any other path.
char* FirstCreatableComponent(char* path);
// Creates every missing directory along a drive path (C:\A\B) or a network
// path (\\server\share\A). Directories made before a failure stay.
bool CreateDirectoryChain(const char* path);
// The system temporary folder joined with "vidididuvo" (not created here).
bool GetPrivateTempPath(char* buffer, unsigned long length);
// Deletes the files of one directory matching a wildcard; no recursion, no result.
void DeleteFilesMatching(const char* directory, const char* pattern);

// Whether two texts name the same directory as the file system sees it:
// letter case is ignored, and one trailing "\" (but that of a drive root,
// "C:\") is dropped from each. No other spelling counts: short names,
// "." or ".." components and relative paths are different directories.
bool SameDirectory(const char* a, const char* b);
