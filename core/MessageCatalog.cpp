#include "core/MessageCatalog.h"

// Texts are written in Windows-1252.

TextString textLicenseAgreement;
TextString textLicenseYesButton;
TextString textLicenseNoButton;
TextString textEarlierVersionNotice;
TextString textRegistrationPrompt;
TextString textFullNameLabel;
TextString textCompanyLabel;
TextString textEmailLabel;
TextString textZipLabel;
TextString textCountryLabel;
TextString textDesktopIconLabel;
TextString textMailingListsHeading;
TextString textMailingList1Label;
TextString textMailingList2Label;
TextString textMailingList3Label;
TextString textInstallPathLabel;
TextString textBrowseButton;
TextString textPathNotAccessible;
TextString textNotEnoughFreeSpace;
TextString textProxyExplanation;
TextString textProxyNote;
TextString textHttpProxyLabel;
TextString textProxyAddressLabel;
TextString textProxyPortLabel;
TextString textProxyTypeNone;
TextString textProxyTypeCern;
TextString textProxyTypeSocks;
TextString textProxyDiffersFromBrowser;
TextString textProxyIncomplete;
TextString textCountryNames[kCountryCount];

TextString textProductName;
TextString textFindMenuItem;
TextString textSearchMenuItem;
TextString textFindMenuHelp;
TextString textInstallationTitle;
TextString textInsufficientTempSpace;
TextString textUnknownError;
TextString textModifyingRegistry;
TextString textAddingToFindMenu;
TextString textSetupComplete;
TextString textUnableToUpdateRegistry;
TextString textInstallationFailed;
TextString textInstallationComplete;
TextString textSearchMenuWord;
TextString textFindMenuWord;
TextString textSearchFileTypeDescription;
TextString textProgressTitle;
TextString textUncompressingStatus;
TextString textUnableToCreateDirectory;
TextString textUnableToCopy;
TextString textUnableToCopyProgram;

TextString textBackButton;
TextString textNextButton;
TextString textFinishButton;
TextString textCancelButton;
TextString textCancelQuestion;

namespace {

struct CatalogEntry {
    TextString* holder;
    const char* text1252;
};

const char kLicenseAgreement[] =
    "END-USER LICENSE AGREEMENT FOR AUCTIONTORVIN\r\n"
    "\r\n"
    "IMPORTANT - READ CAREFULLY: This End-User License Agreement (\"Agreement\") is a legal agreement between you (either an individual or a single entity) and VididiDuvo for the AuctionTorvin software of the NetTorvin suite, which includes computer software, the help files, associated media and any online or electronic documentation (\"Software\").\r\n"
    "By installing, copying or otherwise using the Software, you agree to be bound by the terms of this Agreement. If you do not agree to the terms of this Agreement, do not install or use the Software: choose No now and the installation will end without any change to your computer.\r\n"
    "\r\n"
    "1. GRANT OF LICENSE. VididiDuvo grants you a non-exclusive, non-transferable license to install and use one copy of the Software on a single computer for personal or internal business use, subject to the terms and conditions of this Agreement.\r\n"
    "2. COPIES. You may make one copy of the Software solely for backup or archival purposes, provided that the copy carries all copyright and other proprietary notices that appear on or in the original.\r\n"
    "3. RESTRICTIONS. You may not rent, lease, lend, sell, sublicense or otherwise distribute the Software or any part of it, nor make it available to others over a network or by any other means, except as this Agreement expressly permits.\r\n"
    "You may not reverse engineer, decompile or disassemble the Software, except and only to the extent that such activity is expressly permitted by applicable law notwithstanding this limitation.\r\n"
    "You may not modify the Software, merge it into another program, or create derivative works based on the Software or on any part of it, and you may not remove any proprietary notice.\r\n"
    "4. SEARCHES AND THIRD-PARTY SITES. The Software helps you search auction sites on the Internet that are operated by third parties. VididiDuvo does not operate, control or endorse these sites and is not responsible for their content, availability, accuracy, prices or practices.\r\n"
    "Any transaction with a seller, a buyer or an auction site is solely between you and that party. VididiDuvo is not a party to such transactions and accepts no liability for any loss or damage arising from them.\r\n"
    "You are responsible for complying with the terms of use of every site that you search with the Software, and with all laws that apply to your bids, purchases and sales.\r\n"
    "5. INTERNET CONNECTION. The Software requires a connection to the Internet, which you provide at your own expense. The Software may use the proxy settings that you enter during installation or that your web browser uses.\r\n"
    "6. UPDATES AND REGISTRATION. VididiDuvo may now and then offer updates of the Software. Any update that you receive is part of the Software and is governed by this Agreement unless it comes with a license of its own.\r\n"
    "If you choose to register the Software, the details you enter are stored on your computer and may be sent to VididiDuvo to inform you about updates. VididiDuvo will not sell or rent your personal details to third parties.\r\n"
    "7. MAILING LISTS. Subscribing to a mailing list of VididiDuvo is voluntary and is not a condition of this license. You may unsubscribe at any time by following the instructions contained in each message.\r\n"
    "8. COPYRIGHT. All title and copyrights in and to the Software, including but not limited to any images, text and search definitions incorporated into the Software, and in the accompanying printed and online materials, are owned by VididiDuvo or its suppliers.\r\n"
    "The Software is protected by copyright laws and international treaty provisions. You must treat the Software like any other copyrighted material, and this Agreement grants you no rights to use any trademark or logo of VididiDuvo.\r\n"
    "9. TERMINATION. Without prejudice to any other rights, VididiDuvo may terminate this Agreement if you fail to comply with any of its terms and conditions. In such event, you must destroy all copies of the Software and all of its component parts.\r\n"
    "You may terminate this Agreement at any time by removing the Software from your computer with the uninstall program supplied with it and destroying any copies in your possession.\r\n"
    "10. NO WARRANTIES. THE SOFTWARE IS PROVIDED \"AS IS\" WITHOUT WARRANTY OF ANY KIND. TO THE MAXIMUM EXTENT PERMITTED BY APPLICABLE LAW, VIDIDIDUVO DISCLAIMS ALL WARRANTIES, EITHER EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO IMPLIED WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.\r\n"
    "VididiDuvo does not warrant that the Software will meet your requirements, that its operation will be uninterrupted or error-free, or that the search results it shows will be complete, current or correct.\r\n"
    "11. LIMITATION OF LIABILITY. TO THE MAXIMUM EXTENT PERMITTED BY APPLICABLE LAW, IN NO EVENT SHALL VIDIDIDUVO OR ITS SUPPLIERS BE LIABLE FOR ANY SPECIAL, INCIDENTAL, INDIRECT OR CONSEQUENTIAL DAMAGES WHATSOEVER, INCLUDING DAMAGES FOR LOSS OF PROFITS, LOSS OF DATA OR BUSINESS INTERRUPTION, ARISING OUT OF THE USE OF OR INABILITY TO USE THE SOFTWARE.\r\n"
    "In any case, the entire liability of VididiDuvo under any provision of this Agreement shall be limited to the amount actually paid by you for the Software. Some jurisdictions do not allow the exclusion or limitation of liability, so the above limitation may not apply to you.\r\n"
    "12. EXPORT. You agree not to export or re-export the Software in violation of any export laws or regulations that apply to you or to the Software.\r\n"
    "13. GENERAL. This Agreement is the entire agreement between you and VididiDuvo relating to the Software and supersedes all prior or contemporaneous understandings regarding its subject matter.\r\n"
    "If any provision of this Agreement is held to be unenforceable, that provision shall be enforced to the maximum extent possible and the remaining provisions shall remain in full force and effect.\r\n"
    "No failure or delay by VididiDuvo in exercising any right under this Agreement shall operate as a waiver of that right. This Agreement may only be modified in writing signed by an authorised representative of VididiDuvo.\r\n"
    "This Agreement is governed by the laws of the country in which VididiDuvo has its registered office, without regard to its rules on conflicts of law.\r\n"
    "Should you have any questions concerning this Agreement, or if you wish to contact VididiDuvo for any reason, please use the contact details given in the help file of the Software.\r\n"
    "\r\n"
    "NetTorvin, AuctionTorvin and VididiDuvo are trademarks of VididiDuvo. All other names mentioned may be trademarks of their respective owners.\r\n"
    "\r\n"
    "Copyright (C) 2026 VididiDuvo All rights reserved.\r\n"
    "\r\n"
    "Do you accept all the terms of the preceding License Agreement? If you choose No, the installation will end. To install AuctionTorvin, you must accept this agreement.\r\n"
    "\r\n"
    "\r\n"
    "";

const CatalogEntry kGroupA[] = {
    {&textLicenseAgreement, kLicenseAgreement},
    {&textLicenseYesButton, "&Yes"},
    {&textLicenseNoButton, "&No"},
    {&textEarlierVersionNotice,
     "Note: You must remove all previous versions of the Torvins from your system before continuing with "
     "this installation.\r\n\r\n"},
    {&textRegistrationPrompt, "Please register your copy of %1."},
    {&textFullNameLabel, "&Full name:"},
    {&textCompanyLabel, "Com&pany name:"},
    {&textEmailLabel, "&Email address:"},
    {&textZipLabel, "&Zip code:"},
    {&textCountryLabel, "&Country:"},
    {&textDesktopIconLabel, "&Add %1 to the desktop"},
    {&textMailingListsHeading, "Available Corvexa mailing lists:"},
    {&textMailingList1Label, "Corvexa &News : new versions of the NetTorvin tools and what they can do for you"},
    {&textMailingList2Label, "Corvexa Auction &Tips : weekly hints for finding bargains in online auctions"},
    {&textMailingList3Label, "Corvexa Special &Offers : occasional offers from VididiDuvo and its partners"},
    {&textInstallPathLabel, "Install &path:"},
    {&textBrowseButton, "B&rowse..."},
    {&textPathNotAccessible,
     "The given installation path cannot be accessed.  Please ensure that the path is valid and that you "
     "have write permission to the specified directory."},
    {&textNotEnoughFreeSpace,
     "There does not appear to be enough free space on the drive you are attempting to install on. Do you "
     "want continue the installation anyway? (Not recommended)"},
    {&textProxyExplanation,
     "Check whether your LAN or ISP use a proxy/firewall for security purposes when connecting to the "
     "Internet. If so, enter the address and port number of the HTTP proxy below."},
    {&textProxyNote, "Note: If you haven't set up a proxy for your browser, you shouldn't need to do so here."},
    {&textHttpProxyLabel, "&HTTP proxy:"},
    {&textProxyAddressLabel, "Address:"},
    {&textProxyPortLabel, "Port:"},
    {&textProxyTypeNone, "None"},
    {&textProxyTypeCern, "CERN"},
    {&textProxyTypeSocks, "SOCKS"},
    {&textProxyDiffersFromBrowser,
     "The proxy settings you have selected appear to be different from the settings used by your web "
     "browser.\r\n\r\nDo you want to continue anyway?"},
    {&textProxyIncomplete,
     "The %1 proxy settings are incomplete. If you choose any selection other than \"None\" then you must "
     "provide both a host and a port."},
};

// Directly after the proxy texts, in the registration page's table order.
const char* const kCountryNames[kCountryCount] = {
    "Other",
    "Afghanistan",
    "Albania",
    "Algeria",
    "American Samoa",
    "Andorra",
    "Angola",
    "Anguilla",
    "Antigua",
    "Argentina",
    "Armenia",
    "Aruba",
    "Ascension Island",
    "Australia",
    "Australian Antarctic Territory",
    "Austria",
    "Azerbaijan",
    "Bahamas",
    "Bahrain",
    "Bangladesh",
    "Barbados",
    "Barbuda",
    "Belarus",
    "Belgium",
    "Belize",
    "Benin",
    "Bermuda",
    "Bhutan",
    "Bolivia",
    "Bosnia and Herzegovina",
    "Botswana",
    "Brazil",
    "British Virgin Islands",
    "Brunei",
    "Bulgaria",
    "Burkina Faso",
    "Burundi",
    "Cambodia",
    "Cameroon",
    "Canada",
    "Cape Verde Islands",
    "Cayman Islands",
    "Central African Republic",
    "Chad",
    "Chile",
    "China",
    "Christmas Island",
    "Cocos-Keeling Islands",
    "Colombia",
    "Comoros",
    "Congo",
    "Cook Islands",
    "Costa Rica",
    "Croatia",
    "Cuba",
    "Cyprus",
    "Czech Republic",
    "Denmark",
    "Diego Garcia",
    "Djibouti",
    "Dominica",
    "Dominican Republic",
    "Ecuador",
    "Egypt",
    "El Salvador",
    "Equatorial Guinea",
    "Eritrea",
    "Estonia",
    "Ethiopia",
    "Faeroe Islands",
    "Falkland Islands",
    "Fiji Islands",
    "Finland",
    "France",
    "French Antilles",
    "French Guiana",
    "French Polynesia",
    "Gabon",
    "Gambia",
    "Georgia",
    "Germany",
    "Ghana",
    "Gibraltar",
    "Greece",
    "Greenland",
    "Grenada",
    "Guadeloupe",
    "Guam",
    "Guantanamo Bay",
    "Guatemala",
    "Guinea-Bissau",
    "Guinea",
    "Guyana",
    "Haiti",
    "Honduras",
    "Hong Kong",
    "Hungary",
    "Iceland",
    "India",
    "Indonesia",
    "Iran",
    "Iraq",
    "Ireland",
    "Israel",
    "Italy",
    "Ivory Coast",
    "Jamaica",
    "Japan",
    "Jordan",
    "Kazakhstan",
    "Kenya",
    "Kiribati Republic",
    "Korea (North)",
    "Korea (Republic of)",
    "Kuwait",
    "Kyrgyz Republic",
    "Laos",
    "Latvia",
    "Lebanon",
    "Lesotho",
    "Liberia",
    "Libya",
    "Liechtenstein",
    "Lithuania",
    "Luxembourg",
    "Macau",
    "Macedonia",
    "Madagascar",
    "Malawi",
    "Malaysia",
    "Maldives",
    "Mali",
    "Malta",
    "Marshall Islands",
    "Martinique",
    "Mauritania",
    "Mauritius",
    "Mayotte Island",
    "Mexico",
    "Micronesia",
    "Moldova",
    "Monaco",
    "Mongolia",
    "Montserrat",
    "Morocco",
    "Mozambique",
    "Myanmar",
    "Namibia",
    "Nauru",
    "Nepal",
    "Netherlands",
    "Netherlands Antilles",
    "Nevis",
    "New Caledonia",
    "New Zealand",
    "Nicaragua",
    "Niger",
    "Nigeria",
    "Niue",
    "Norfolk Island",
    "Norway",
    "Oman",
    "Pakistan",
    "Palau",
    "Panama",
    "Papua New Guinea",
    "Paraguay",
    "Peru",
    "Philippines",
    "Poland",
    "Portugal",
    "Puerto Rico",
    "Qatar",
    "Reunion Island",
    "Romania",
    "Rota Island",
    "Russia",
    "Rwanda",
    "Saint Lucia",
    "Saipan Island",
    "San Marino",
    "Sao Tome and Principe",
    "Saudi Arabia",
    "Senegal Republic",
    "Seychelle Islands",
    "Sierra Leone",
    "Singapore",
    "Slovakia",
    "Slovenia",
    "Solomon Islands",
    "Somalia",
    "South Africa",
    "Spain",
    "Sri Lanka",
    "St. Helena",
    "St. Kitts",
    "St. Pierre and Miquelon",
    "St. Vincent and the Grenadines",
    "Sudan",
    "Suriname",
    "Swaziland",
    "Sweden",
    "Switzerland",
    "Syria",
    "Taiwan, Republic of China",
    "Tajikistan",
    "Tanzania",
    "Thailand",
    "Tinian Island",
    "Togo",
    "Tokelau",
    "Tonga",
    "Trinidad and Tobago",
    "Tunisia",
    "Turkey",
    "Turkmenistan",
    "Turks and Caicos Islands",
    "Tuvalu",
    "Uganda",
    "Ukraine",
    "United Arab Emirates",
    "United Kingdom",
    "United States of America",
    "United States Virgin Islands",
    "Uruguay",
    "Uzbekistan",
    "Vanuatu",
    "Vatican City",
    "Venezuela",
    "Vietnam",
    "Wallis and Futuna Islands",
    "Western Samoa",
    "Yemen",
    "Yugoslavia",
    "Zaire",
    "Zambia",
    "Zimbabwe",
};

const CatalogEntry kGroupB[] = {
    {&textProductName, "AuctionTorvin"},
    {&textFindMenuItem, "&Auctions..."},
    {&textSearchMenuItem, "For &Auctions..."},
    {&textFindMenuHelp, "Find auctions on the Internet"},
    {&textInstallationTitle, "%1 Installation"},
    {&textInsufficientTempSpace, "Insufficient free drive space to complete installation."},
    {&textUnknownError, "Unknown error"},
    {&textModifyingRegistry, "Modifying registry..."},
    {&textAddingToFindMenu, "Adding to find menu..."},
    {&textSetupComplete, "Setup complete..."},
    {&textUnableToUpdateRegistry, "Unable to update registry"},
    {&textInstallationFailed, "Installation failed - %1."},
    {&textInstallationComplete,
     "Installation complete. To start %1, go to the\r\nStart | %2 menu and select %3."},
    {&textSearchMenuWord, "Search"},
    {&textFindMenuWord, "Find"},
    {&textSearchFileTypeDescription, "%1 Search"},
    {&textProgressTitle, "Installing..."},
    {&textUncompressingStatus, "Uncompressing %1..."},
    {&textUnableToCreateDirectory, "Unable to create destination directory"},
    {&textUnableToCopy, "Unable to copy %1"},
    {&textUnableToCopyProgram,
     "Unable to copy %1. Ensure that all instances of %2 are closed. If %2 isn't running, we recommend a "
     "reboot before installing"},
};

const CatalogEntry kGroupC[] = {
    {&textBackButton, "< &Back"},
    {&textNextButton, "&Next >"},
    {&textFinishButton, "Finish"},
    {&textCancelButton, "Cancel"},
    {&textCancelQuestion, "Are you sure you wish to cancel the installation?"},
};

template <unsigned long N>
void Fill(const CatalogEntry (&group)[N])
{
    for (unsigned long i = 0; i < N; ++i)
        group[i].holder->Assign(group[i].text1252);
}

template <unsigned long N>
void Release(const CatalogEntry (&group)[N])
{
    for (unsigned long i = N; i > 0; --i)
        group[i - 1].holder->Release();
}

void FillGroupA()
{
    Fill(kGroupA);
    for (unsigned long i = 0; i < kCountryCount; ++i)
        textCountryNames[i].Assign(kCountryNames[i]);
}

void ReleaseGroupA()
{
    for (unsigned long i = kCountryCount; i > 0; --i)
        textCountryNames[i - 1].Release();
    Release(kGroupA);
}

} // namespace

void FillMessageCatalog()
{
    FillGroupA();
    Fill(kGroupB);
    Fill(kGroupC);
}

void ReleaseMessageCatalog()
{
    ReleaseGroupA();
    Release(kGroupB);
    Release(kGroupC);
}
