#include "wizard/PageRegistry.h"

PageRegistry pageRegistry;

int FindPageIndex(HWND window)
{
    for (unsigned long i = 0; i < pageRegistry.count && i < kPageCapacity; ++i) {
        if (pageRegistry.windows[i] == window)
            return static_cast<int>(i);
    }
    return -1;
}
