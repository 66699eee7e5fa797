#pragma once
// Dialog templates of the wizard tests, shaped like the product's pages.
#define IDD_TEST_FIRST 101
#define IDD_TEST_SECOND 102
#define IDD_TEST_THIRD 104
#define IDD_TEST_LAST 106
#define IDC_TEST_TEXT 500
#define IDC_TEST_NUMBER 601
