#pragma once
#include "util/TextString.h"

// Every text the user sees, assigned once at start-up through the
// Windows-1252 conversion and unchanged until exit. Filled in the order of
// groups A, B, C; released A, B, C, each group in reverse order.
void FillMessageCatalog();
void ReleaseMessageCatalog();

// Group A: the wizard pages.
// License and notice pages.
extern TextString textLicenseAgreement;
extern TextString textLicenseYesButton;
extern TextString textLicenseNoButton;
extern TextString textEarlierVersionNotice;
// Registration page.
extern TextString textRegistrationPrompt;
extern TextString textFullNameLabel;
extern TextString textCompanyLabel;
extern TextString textEmailLabel;
extern TextString textZipLabel;
extern TextString textCountryLabel;
// Install options page.
extern TextString textDesktopIconLabel;
extern TextString textMailingListsHeading;
extern TextString textMailingList1Label;
extern TextString textMailingList2Label;
extern TextString textMailingList3Label;
extern TextString textInstallPathLabel;
extern TextString textBrowseButton;
extern TextString textPathNotAccessible;
extern TextString textNotEnoughFreeSpace;
// Proxy page.
extern TextString textProxyExplanation;
extern TextString textProxyNote;
extern TextString textHttpProxyLabel;
extern TextString textProxyAddressLabel;
extern TextString textProxyPortLabel;
extern TextString textProxyTypeNone;
extern TextString textProxyTypeCern;
extern TextString textProxyTypeSocks;
extern TextString textProxyDiffersFromBrowser;
extern TextString textProxyIncomplete;
// The country list of the registration page, "Other" first, in table order.
const unsigned long kCountryCount = 237;
extern TextString textCountryNames[kCountryCount];

// Group B: the product and the installation.
extern TextString textProductName;
extern TextString textFindMenuItem;
extern TextString textSearchMenuItem;
extern TextString textFindMenuHelp;
extern TextString textInstallationTitle;
extern TextString textInsufficientTempSpace;
extern TextString textUnknownError;
extern TextString textModifyingRegistry;
extern TextString textAddingToFindMenu;
extern TextString textSetupComplete;
extern TextString textUnableToUpdateRegistry;
extern TextString textInstallationFailed;
extern TextString textInstallationComplete;
extern TextString textSearchMenuWord;
extern TextString textFindMenuWord;
extern TextString textSearchFileTypeDescription;
extern TextString textProgressTitle;
extern TextString textUncompressingStatus;
extern TextString textUnableToCreateDirectory;
extern TextString textUnableToCopy;
extern TextString textUnableToCopyProgram;

// Group C: the wizard.
extern TextString textBackButton;
extern TextString textNextButton;
extern TextString textFinishButton;
extern TextString textCancelButton;
extern TextString textCancelQuestion;
