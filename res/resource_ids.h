#pragma once
// Numeric identifiers shared by the resource script and the code. The numbers are fixed: dialog templates,
// controls and timers are known by them outside the program too. Plain #defines, so that windres reads
// this file as well as the compiler.

// Dialog templates.
#define IDD_MAIN_WINDOW 102
#define IDD_ABOUT 146
#define IDD_ADDRESS_EDITOR 156

// Icons.
#define IDI_TAGMORA 131

// Main Window controls.
#define IDC_PREVIEW 1001
#define IDC_PRINT 1005
#define IDC_EXIT 1006
#define IDC_SETUP 1007
#define IDC_ABOUT 1008
#define IDC_HELP_PANEL 1009
#define IDC_TITLE_PICTURE 1058

// About window controls.
#define IDC_SCROLLING_TEXT 1039
#define IDC_SPLASH 1056

// Address Editor controls.
#define IDC_CLEAR_ADDRESSES 3
#define IDC_ALL_LABELS_BE_THIS 4
#define IDC_ALL_LABELS_ON 1048
#define IDC_ALL_LABELS_OFF 1049
#define IDC_DESTINATION_ADDRESS 1050
#define IDC_AUTO_FORMAT 1056

// Timers: each window's timer carries its dialog's number.
#define IDT_MAIN_WINDOW 102
#define IDT_ABOUT_SCROLL 146
