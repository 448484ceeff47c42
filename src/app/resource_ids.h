/* Resource, command and control numbers. Shared by the core, both platform layers
   and the Windows resource script, so it holds nothing but plain #defines.
   Floor 3: for the platform layers, the resource script and the tests. */
#ifndef KEYRILL_RESOURCE_IDS_H
#define KEYRILL_RESOURCE_IDS_H

#define IDR_MENU 104
#define IDI_APP 107
#define IDR_ACCEL 109

#define IDD_REPORT 106
#define IDD_SELECT_TEST 108
#define IDD_ADD_TEST 110
#define IDD_EDIT_TEST 111

#define IDM_EXIT 40001
#define IDM_END_TEST 40002
#define IDM_SELECT_TEST 40005
#define IDM_BEGIN_TEST 40006
#define IDM_ADD_TEST 40008
#define IDM_EDIT_TEST 40009
#define IDM_PAUSE_TEST 40011

#define IDC_REPORT_OK 1001
#define IDC_WPM 1002
#define IDC_WORDS_IN_TEST 1003
#define IDC_TIME_TAKEN 1004
#define IDC_WORDS_TYPED 1005
#define IDC_CHARACTERS 1006
#define IDC_ERRORS 1007
#define IDC_TEST_LIST 1010
#define IDC_ADD_BUTTON 1011
#define IDC_TEST_NAME 1012
#define IDC_TEST_TEXT 1013
#define IDC_UPDATE_BUTTON 1014

#endif
