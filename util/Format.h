#pragma once
// Messages with positional placeholders "%1" to "%4"; absent arguments are null.

// A new heap text with the placeholders replaced; the caller frees it with MemFree.
// A result of more than 1 GiB (only a hostile format and argument make one)
// gives the empty text.
// "%" before a non-digit yields that character ("%%" gives "%"); a "%" at the very
// end is dropped; "%0", "%5" to "%9" and null arguments stand for the empty text.
char* FormatText(const char* format, const char* a1 = nullptr, const char* a2 = nullptr,
                 const char* a3 = nullptr, const char* a4 = nullptr);
// FormatText into the caller's buffer of capacity bytes. A result that does
// not fit leaves "" in the buffer and returns false (a buffer of capacity 0
// is not written at all).
bool FormatTextInto(char* destination, unsigned long capacity, const char* format,
                    const char* a1 = nullptr, const char* a2 = nullptr,
                    const char* a3 = nullptr, const char* a4 = nullptr);
