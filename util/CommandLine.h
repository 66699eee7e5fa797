#pragma once
// Command lines as a program receives them (GetCommandLineA): the program's
// own name first, then its arguments, with no C runtime to split them.

// Where the arguments begin: after the program's name (up to its closing
// quotation mark when it starts with one, else up to the first blank) and
// the blanks that follow it.
const char* SkipProgramName(const char* commandLine);

// The whole text as one argument, such as a path with blanks in it: either
// unquoted, or enclosed in one pair of quotation marks with nothing after
// the closing one. False, with "" in the buffer, for an empty argument, a
// stray or missing quotation mark, or one that does not fit capacity bytes.
bool TakeWholeArgument(const char* text, char* buffer, unsigned long capacity);

// The text after a leading switch "/NAME:" (letter case ignored), or null
// when the arguments do not begin with it.
const char* AfterSwitch(const char* arguments, const char* name);
