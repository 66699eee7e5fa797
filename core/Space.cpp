#include "core/Space.h"

#include "core/Installer.h"
#include "util/Text.h"

#include <windows.h>

static int __stdcall SystemDiskFreeSpace(const char* root, unsigned long* sectorsPerCluster,
                                         unsigned long* bytesPerSector, unsigned long* freeClusters,
                                         unsigned long* totalClusters)
{
    return GetDiskFreeSpaceA(root, sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

static DiskFreeSpaceQuery diskFreeSpaceQuery = SystemDiskFreeSpace;

void SetDiskFreeSpaceQuery(DiskFreeSpaceQuery query)
{
    diskFreeSpaceQuery = query ? query : SystemDiskFreeSpace;
}

unsigned long CountSelected()
{
    Installer* installer = CurrentInstaller();
    unsigned long count = 0;
    for (unsigned long i = 0; i < installer->productCount; ++i)
        if (installer->selected[i])
            ++count;
    return count;
}

unsigned long RequiredSpace(bool forTemporaryDirectory)
{
    if (forTemporaryDirectory)
        return CurrentInstaller()->productCount * 614400UL + 153600UL;
    return CountSelected() * 1536000UL;
}

unsigned long FreeBytesFromClusters(unsigned long sectorsPerCluster, unsigned long bytesPerSector,
                                    unsigned long freeClusters)
{
    unsigned long long bytes = static_cast<unsigned long long>(sectorsPerCluster) * bytesPerSector;
    // Each factor is below 2^32, so the second product cannot overflow 64 bits
    // once the first is clamped.
    if (bytes > kFreeSpaceLimit)
        return freeClusters ? kFreeSpaceLimit : 0;
    bytes *= freeClusters;
    return bytes > kFreeSpaceLimit ? kFreeSpaceLimit : static_cast<unsigned long>(bytes);
}

unsigned long FreeSpace(const char* path)
{
    char root[4] = {0, ':', '\\', 0};
    const char* rootArgument = nullptr;
    unsigned long length = StrLength(path);
    if (length > 2 && path[1] == ':') {
        root[0] = path[0];
        rootArgument = root;
    } else if (length > 2 && path[0] == '\\' && path[1] == '\\') {
        return kFreeSpaceLimit;
    }
    unsigned long sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!diskFreeSpaceQuery(rootArgument, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return 0;
    return FreeBytesFromClusters(sectorsPerCluster, bytesPerSector, freeClusters);
}
