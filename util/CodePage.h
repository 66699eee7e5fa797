#pragma once
// Every catalogue text is written in Windows-1252 and converted once at start-up.

// A new heap text in the system's ANSI code page; characters it cannot show
// become "*". Without a 1252 converter, bytes 0x80-0xFF of a copy become "*".
char* ConvertFrom1252(const char* text);

// The fall-back when no 1252 converter exists: a heap copy with every byte
// 0x80-0xFF replaced by "*".
char* CopyWithHighBytesMasked(const char* text);
