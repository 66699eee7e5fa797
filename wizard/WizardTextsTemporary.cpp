// TEMPORARY: stands in for the message catalogue's entries until it provides
// these texts; delete this file when core/MessageCatalog defines them.
#include "wizard/WizardTexts.h"

TextString textBackButton = {const_cast<char*>("< &Back")};
TextString textNextButton = {const_cast<char*>("&Next >")};
TextString textFinishButton = {const_cast<char*>("Finish")};
TextString textCancelButton = {const_cast<char*>("Cancel")};
TextString textCancelQuestion = {const_cast<char*>("Are you sure you wish to cancel the installation?")};
TextString textInstallingCaption = {const_cast<char*>("Installing...")};
