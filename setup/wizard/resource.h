// Resource IDs of Setup: templates, icon, strings and controls, named after their roles.
// Plain #defines: this header is read by the resource compiler as well as by C++.
#pragma once

#define IDD_SETUP_MAIN 102
#define IDR_MAINFRAME 128
#define IDD_INTRO_PAGE 129
#define IDD_COMPACT_PAGE 134
#define IDD_PATH_PAGE 135
#define IDD_INSTALL_PAGE 136
#define IDD_FINISH_PAGE 137

#define IDS_BROWSE_TITLE 102
#define IDS_CANCEL_QUESTION 103

#define IDC_NEXT 1000
#define IDC_BACK 1001
#define IDC_TITLE 1002
#define IDC_INTRO_HINT 1003
#define IDC_LICENCE 1005
#define IDC_BROWSE 1008
#define IDC_TARGET_FOLDER 1009
#define IDC_PROGRESS 1010
#define IDC_README 1012
#define IDC_COPY_GROUP 1013
#define IDC_CONFIGURING 1014
#define IDC_STATUS 1015
#define IDC_DISAGREE 1016
#define IDC_AGREE 1017

// Page results besides IDCANCEL.
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
