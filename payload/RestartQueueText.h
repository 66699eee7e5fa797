#pragma once
// The texts of the two restart queues, read and changed in memory. No file
// or registry access here: the callers read the whole text, hand it over and
// write back what comes out.

// Asked for each path a queue entry names; true means "ours".
typedef bool (*QueuedPathTest)(const char* path, void* context);

// wininit.ini: every line that begins (after blanks) with "QX" and a
// hexadecimal digit gets "NUL" in place of those three bytes, in whatever
// section it stands. The length never changes; a text under three bytes is
// left alone.
void RewriteQueueKeys(char* text, unsigned long size);

// The path of a wininit.ini deletion line: blanks, "NUL" in any letter case,
// blanks, "=", blanks, then the path (the rest of the line). Null for a line
// of any other form.
const char* DeletionLinePath(const char* line);

// Lines longer than this are examined in pieces of this many characters.
const unsigned long kQueueLineCapacity = 1024;

// Replaces with blanks every deletion line whose path the test accepts,
// together with the CR or LF that ends it, so the text keeps its length and
// (with CR LF ends) its line count. True when anything was blanked.
bool BlankDeletionLines(char* text, unsigned long size, QueuedPathTest test, void* context);

// The NT pending list: pairs of terminated strings (source, then target;
// an empty target means delete), ended by an empty string. Removes every
// pair whose source the test accepts, moving the rest down. Only pairs that
// lie whole within the first *size bytes are looked at; whatever follows the
// last whole pair is kept as it is. *size shrinks by what was removed; true
// when anything was.
bool RemovePendingPairs(char* list, unsigned long* size, QueuedPathTest test, void* context);
