#pragma once
// The system's queue of deletions carried out at the next restart: on
// Windows 9x the "Rename" section of wininit.ini, on NT the pending file
// operations the system keeps in its Session Manager key.

class Installer;

// Windows 9x: adds key=SHORT-PATH to wininit.ini's "Rename" section (key is
// a temporary "QX" name that CommitRestartQueue turns into "NUL"); true
// when the line was written, false for a file without a short form. NT:
// asks the system to delete the file at restart and returns false.
bool QueueDeleteAtRestart(const char* path, const char* key);

// Windows 9x, after the last QueueDeleteAtRestart of a run: flushes the
// system's cached copy of wininit.ini and turns every "QX" key into "NUL".
void CommitRestartQueue();

// After a successful installation: takes out of both queues every deletion
// of a file the installation just placed (each selected product's
// uninstaller and the shared component). On NT it leaves the
// FileRenameOperations key in place, empty of ours.
void CancelRestartDeletions(Installer& installer);

// True when the queue entry's text names a restart-deleted file: with
// shortForm, when it begins with the file's 8.3 form; otherwise when it
// contains the file's full path. Both comparisons keep letter case.
bool IsRestartDeletedFile(Installer& installer, const char* text, bool shortForm);
