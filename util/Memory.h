#pragma once
// Heap blocks and raw byte operations. The product carries no C runtime, so
// these stand in for malloc/memcpy and friends.

// A zero-filled block from the process heap; the heap is assumed never to run out.
void* MemAlloc(unsigned long byteCount);
// Gives a block back to the process heap; null does nothing.
void MemFree(void* block);
void* MemFill(void* destination, int value, unsigned long count);
void* MemCopy(void* destination, const void* source, unsigned long count);
// Correct for overlapping ranges in either direction.
void* MemMove(void* destination, const void* source, unsigned long count);
// Exactly count bytes, not stopping at a terminator; a minus b at the first difference.
int MemCompare(const void* a, const void* b, unsigned long count);
