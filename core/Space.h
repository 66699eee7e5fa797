#pragma once
// Space rules of an installation; all figures in bytes.

const unsigned long kFreeSpaceLimit = 4294967295UL;

// Selected products of the CurrentInstaller (which must exist).
unsigned long CountSelected();
// What the temporary directory (true) or the install directory (false) must hold.
unsigned long RequiredSpace(bool forTemporaryDirectory);
// Free bytes on the path's drive, at most kFreeSpaceLimit; a network path
// reports the limit without asking, a failed query 0.
unsigned long FreeSpace(const char* path);

// The product of the disk figures, clamped to kFreeSpaceLimit.
unsigned long FreeBytesFromClusters(unsigned long sectorsPerCluster, unsigned long bytesPerSector,
                                    unsigned long freeClusters);

// The disk query, replaceable so tests can set exact figures.
typedef int(__stdcall* DiskFreeSpaceQuery)(const char* root, unsigned long* sectorsPerCluster,
                                           unsigned long* bytesPerSector, unsigned long* freeClusters,
                                           unsigned long* totalClusters);
// Null restores the system's query.
void SetDiskFreeSpaceQuery(DiskFreeSpaceQuery query);
