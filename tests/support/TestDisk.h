#pragma once
// A stand-in for the disk free-space query: every drive has 1024 free bytes,
// far less than an installation needs.
inline int __stdcall AlmostFullDisk(const char*, unsigned long* sectorsPerCluster, unsigned long* bytesPerSector,
                                    unsigned long* freeClusters, unsigned long* totalClusters)
{
    *sectorsPerCluster = 1;
    *bytesPerSector = 512;
    *freeClusters = 2;
    *totalClusters = 100;
    return 1;
}
