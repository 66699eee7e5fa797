#pragma once
// Resource ids of the progress dialog, shared by its resource script and the code.
#define IDD_PROGRESS 130
#define IDC_PROGRESS_BAR 900
#define IDC_PROGRESS_STATUS 901
