#pragma once
// The product program's one window: the product's name as its title, a note
// that it is a stand-in, and which file "/load:FILE" asked it to open.

// Control identifiers, for the end-to-end tests.
const int kStandInNoteId = 100;
const int kLoadedFileId = 101;

// Shows the window until it is closed; the process's exit code.
int RunProductWindow(const char* commandLine);
