// Resource ids of the small wizard the end-to-end robot is proven on.
#pragma once

#define IDD_TW_WELCOME 101
#define IDD_TW_CHOICE 102
#define IDD_TW_SUMMARY 103
#define IDD_TW_PROGRESS 110

#define IDC_TW_NAME 1001
#define IDC_TW_OPTION 1002
#define IDC_TW_LENGTH 1003
#define IDC_TW_COMBO 1004
#define IDC_TW_CHOSEN 1005
#define IDC_TW_SUMMARY 1006
#define IDC_TW_FOLDER 1007
#define IDC_TW_BROWSE 1008
#define IDC_TW_BAR 1101
#define IDC_TW_STATUS 1102
