#pragma once
// A file type under HKEY_CLASSES_ROOT: the extension key ".T" names the
// class "TFile", which carries the description, flags, icon and open command.

// Nothing is reported: a failed extension key writes nothing, a failed class
// key skips only the class's own values.
void RegisterFileType(const char* typeName, const char* description, const char* iconLocation,
                      const char* openCommand);
// Removes the class the extension key names (not one derived from the type
// name), deepest key first, then the extension key.
void UnregisterFileType(const char* typeName);
// Tells the shell that associations changed.
void NotifyAssociationsChanged();

// The "EditFlags" data to write over what was read: bit 16 set (bit 0 of the
// third byte), every other bit kept. A read that failed counts as 4 bytes.
// Returns the length to write.
unsigned long EditFlagsWithNoOpenPrompt(unsigned char* flags, bool readSucceeded, unsigned long readLength);
