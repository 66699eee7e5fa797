#pragma once
// What the file phase tells its watcher before each file: one step and a
// status line. The setup program's progress dialog is one; an uninstaller or
// a test passes none (null) and the engine runs the same.
class InstallProgress {
public:
    virtual void AdvanceWithStatus(const char* status) = 0;

protected:
    // Never destroyed through this interface.
    ~InstallProgress() {}
};
