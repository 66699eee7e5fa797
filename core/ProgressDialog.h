#pragma once
#include "payload/InstallProgress.h"

#include <windows.h>

// The small modeless dialog (template 130) with a status line and a bar,
// shown while the install phases run. It has no procedure of its own and
// changes only through these calls. When creation failed the window stays
// null and every later operation does nothing.
class ProgressDialog : public InstallProgress {
public:
    ProgressDialog() : window(nullptr) {}
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    // Creates the dialog owned by parent (or none), titles it "Installing...",
    // centres it, shows it and paints it and its parent at once.
    void CreateProgress(HWND parent);
    // Range 0 to count with a step of 1.
    void SetProgressRange(unsigned short count);
    void StepProgress();
    // Replaces the whole status line.
    void SetProgressStatus(const char* text);
    void DestroyProgress();
    // One step of the bar, then the status line: what the file phase reports.
    void AdvanceWithStatus(const char* status) override;

    HWND window;
};
