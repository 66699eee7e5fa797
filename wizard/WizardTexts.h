#pragma once
#include "util/TextString.h"

// Catalogue texts of the wizard buttons, the cancel question and the progress caption.
extern TextString textBackButton;       // "< &Back"
extern TextString textNextButton;       // "&Next >"
extern TextString textFinishButton;     // "Finish"
extern TextString textCancelButton;     // "Cancel"
extern TextString textCancelQuestion;   // "Are you sure you wish to cancel the installation?"
extern TextString textInstallingCaption; // "Installing..."
