#pragma once
// The desktop shortcut and the taskbar's refresh command.

class Installer;

// One "<displayName>.LNK" on the current user's desktop per selected
// product, pointing at its program. A product whose desktop folder the shell
// cannot name gets none: a link is never saved anywhere else.
void CreateDesktopShortcuts(Installer& installer);
// Deletes each selected product's desktop shortcut when it points at a file
// directly in the product's install directory (SameDirectory); a link that
// points anywhere else, or cannot be read, is the user's and stays.
void RemoveDesktopShortcuts(Installer& installer);
// Saves a shell link to target with a description at shortcutPath
// (replacing any file there); true when the link was saved.
bool CreateShellLink(const char* target, const char* shortcutPath, const char* description);

// How long the taskbar gets to take our command before setup goes on.
const unsigned int kTaskbarTimeoutMs = 3000;
// Sends the taskbar window ("Shell_TrayWnd") the command that makes it
// reread the find menu. A busy or hung taskbar never holds setup longer than
// the timeout; without a taskbar nothing is sent.
void NotifyTaskbar();
