#pragma once
// Zero-terminated 8-bit ANSI texts.

// A heap copy of the text; the caller frees it with MemFree.
char* StrDup(const char* text);
// The user's locale order, case ignored, whole strings: negative, 0 or positive.
int StrCompareNoCase(const char* a, const char* b);
// The first count characters upper-cased one by one; does not stop at a
// terminator, so compare against a literal of exactly count characters.
int StrCompareNoCaseN(const char* a, const char* b, unsigned long count);
bool IsDigitChar(char c);
bool IsHexDigitChar(char c);
// Space, tab, carriage return and line feed only.
bool IsSpaceChar(char c);

unsigned long StrLength(const char* text);
// Copies text with its terminator into a buffer of capacity bytes. A text that
// does not fit leaves the buffer holding "" and returns false: never a cut text.
// A buffer of capacity 0 has no room even for "": it is not written.
bool StrCopyBounded(char* destination, unsigned long capacity, const char* text);
// Appends text; on overflow the buffer is left as it was and false is returned.
bool StrAppendBounded(char* destination, unsigned long capacity, const char* text);
// Forward search for a character; null when absent.
char* StrFindChar(const char* text, char c);
// Backward search for a character; null when absent.
char* StrFindLastChar(const char* text, char c);
// The first place where part occurs in text, letter case kept; null when
// absent. An empty part is found at the end of the text.
char* StrFindText(const char* text, const char* part);
