#include "payload/RestartQueueText.h"

#include "util/Memory.h"
#include "util/Text.h"

namespace {

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

const char* SkipSpaces(const char* text)
{
    while (IsSpaceChar(*text))
        ++text;
    return text;
}

// Index of the terminator of the string at start, or size when it has none
// within the first size bytes.
unsigned long TerminatorIndex(const char* list, unsigned long start, unsigned long size)
{
    unsigned long i = start;
    while (i < size && list[i])
        ++i;
    return i;
}

} // namespace

void RewriteQueueKeys(char* text, unsigned long size)
{
    if (size < 3)
        return;
    unsigned long p = 0;
    while (p < size - 2) {
        while (p < size - 2 && IsSpaceChar(text[p]))
            ++p;
        // Case matters: only our own temporary keys are upper-case "QX".
        if (p < size - 2 && text[p] == 'Q' && text[p + 1] == 'X' && IsHexDigitChar(text[p + 2]))
            MemCopy(text + p, "NUL", 3);
        while (p < size && !IsLineEnd(text[p]))
            ++p;
    }
}

const char* DeletionLinePath(const char* line)
{
    const char* p = SkipSpaces(line);
    if (StrLength(p) < 3 || StrCompareNoCaseN(p, "NUL", 3) != 0)
        return nullptr;
    p = SkipSpaces(p + 3);
    if (*p != '=')
        return nullptr;
    return SkipSpaces(p + 1);
}

bool BlankDeletionLines(char* text, unsigned long size, QueuedPathTest test, void* context)
{
    bool changed = false;
    char line[kQueueLineCapacity];
    unsigned long start = 0;
    while (start < size) {
        unsigned long end = start;
        while (end < size && end - start < kQueueLineCapacity - 1 && !IsLineEnd(text[end]))
            ++end;
        MemCopy(line, text + start, end - start);
        line[end - start] = 0;
        // The byte that ended the line belongs to it; a line cut for length
        // goes on as the next one.
        unsigned long next = end < size && IsLineEnd(text[end]) ? end + 1 : end;
        const char* path = DeletionLinePath(line);
        if (path && test(path, context)) {
            MemFill(text + start, ' ', next - start);
            changed = true;
        }
        start = next;
    }
    return changed;
}

bool RemovePendingPairs(char* list, unsigned long* size, QueuedPathTest test, void* context)
{
    bool changed = false;
    unsigned long n = *size;
    unsigned long p = 0;
    while (p < n) {
        unsigned long sourceEnd = TerminatorIndex(list, p, n);
        if (sourceEnd >= n || sourceEnd == p)
            break; // no whole source here, or the empty string that ends the list
        unsigned long targetEnd = TerminatorIndex(list, sourceEnd + 1, n);
        if (targetEnd >= n)
            break;
        unsigned long next = targetEnd + 1;
        if (test(list + p, context)) {
            MemMove(list + p, list + next, n - next);
            n -= next - p;
            changed = true;
        } else {
            p = next;
        }
    }
    *size = n;
    return changed;
}
