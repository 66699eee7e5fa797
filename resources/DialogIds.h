#pragma once
// Dialog and control ids, shared by the resource scripts and the code.

// The progress dialog.
#define IDD_PROGRESS 130
#define IDC_PROGRESS_BAR 900
#define IDC_PROGRESS_STATUS 901

// The wizard pages, each 276 x 140 dialog units with the side panel on the
// left 80 units; the controls start at x = 92.
#define IDD_LICENSE 101
#define IDC_LICENSE_TEXT 400

#define IDD_NOTICE 102
#define IDC_NOTICE_TEXT 500

#define IDD_REGISTRATION 104
#define IDC_REGISTRATION_HEADING 600
#define IDC_FULL_NAME_LABEL 601
#define IDC_COMPANY_LABEL 602
#define IDC_EMAIL_LABEL 603
#define IDC_ZIP_LABEL 604
#define IDC_COUNTRY_LABEL 605
#define IDC_FULL_NAME 606
#define IDC_COMPANY 607
#define IDC_EMAIL 608
#define IDC_ZIP 609
#define IDC_COUNTRY 610

#define IDD_INSTALL_OPTIONS 105
#define IDC_DESKTOP_ICON 701
#define IDC_INSTALL_PATH_LABEL 703
#define IDC_INSTALL_PATH 704
#define IDC_BROWSE 705
#define IDC_MAILING_LISTS_HEADING 706
#define IDC_MAILING_LIST_1 707
#define IDC_MAILING_LIST_2 708
#define IDC_MAILING_LIST_3 709

#define IDD_PROXY 106
#define IDC_PROXY_EXPLANATION 800
#define IDC_PROXY_NOTE 801
#define IDC_PROXY_TYPE_LABEL 802
#define IDC_PROXY_TYPE 803
#define IDC_PROXY_ADDRESS_LABEL 804
#define IDC_PROXY_ADDRESS 805
#define IDC_PROXY_PORT_LABEL 806
#define IDC_PROXY_PORT 807
