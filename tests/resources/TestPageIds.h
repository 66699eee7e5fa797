#pragma once
// Dialog templates of the wizard tests, shaped like the product's pages and
// numbered apart from them, so both can live in one test program.
#define IDD_TEST_FIRST 201
#define IDD_TEST_SECOND 202
#define IDD_TEST_THIRD 204
#define IDD_TEST_LAST 206
#define IDC_TEST_TEXT 500
#define IDC_TEST_NUMBER 601
