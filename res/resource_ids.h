#pragma once
// Numeric identifiers shared by the resource script and the code. The numbers are fixed: dialog templates,
// controls and timers are known by them outside the program too. Plain #defines, so that windres reads
// this file as well as the compiler.

// Dialog templates.
#define IDD_MAIN_WINDOW 102
#define IDD_COLOUR_PICKER 130
#define IDD_SETUP 136
#define IDD_VALUE_SLIDER 142
#define IDD_ABOUT 146
#define IDD_ADDRESS_EDITOR 156
#define IDD_VERSION_CHECK 159
#define IDD_ALIGN_PRINTER 172
#define IDD_RUN_PROGRESS 171

// Bitmaps of the Colour Picker.
#define IDB_HUE_WHEEL 165
#define IDB_RGB_CUBE 166

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

// Colour Picker controls.
#define IDC_RGB_BOX 1000
#define IDC_HSB_BOX 1001
#define IDC_RED_EDIT 1002
#define IDC_RED_SPIN 1003
#define IDC_GREEN_EDIT 1004
#define IDC_GREEN_SPIN 1005
#define IDC_BLUE_EDIT 1006
#define IDC_BLUE_SPIN 1007
#define IDC_OLD_COLOUR 1008
#define IDC_NEW_COLOUR 1009
#define IDC_HUE_EDIT 1010
#define IDC_HUE_SPIN 1011
#define IDC_SATURATION_EDIT 1012
#define IDC_SATURATION_SPIN 1013
#define IDC_BRIGHTNESS_EDIT 1014
#define IDC_BRIGHTNESS_SPIN 1015

// Setup Dialog controls. The number boxes and their "»" controls run in the order WMM, HMM, COLS, ROWS,
// COLSPC, ROWSPC, TOPMRG, LFTMRG, RGTMRG, BOTMRG.
#define IDC_SETUP_SEND2 1008
#define IDC_SETUP_COLS 1009
#define IDC_SETUP_ROWS 1010
#define IDC_SETUP_COLSPC 1011
#define IDC_SETUP_ROWSPC 1012
#define IDC_SETUP_TOPMRG 1013
#define IDC_SETUP_LFTMRG 1014
#define IDC_SETUP_RGTMRG 1015
#define IDC_SETUP_BOTMRG 1016
#define IDC_SETUP_COLS_SLIDER 1017
#define IDC_SETUP_ROWS_SLIDER 1018
#define IDC_SETUP_COLSPC_SLIDER 1019
#define IDC_SETUP_ROWSPC_SLIDER 1020
#define IDC_SETUP_TOPMRG_SLIDER 1021
#define IDC_SETUP_LFTMRG_SLIDER 1022
#define IDC_SETUP_RGTMRG_SLIDER 1023
#define IDC_SETUP_BOTMRG_SLIDER 1024
#define IDC_SETUP_SEND1 1025
#define IDC_SETUP_LOGO 1026
#define IDC_SETUP_CHOOSE_LOGO 1027
#define IDC_SETUP_FONT 1028
#define IDC_SETUP_CHOOSE_FONT 1029
#define IDC_SETUP_BDON 1030
#define IDC_SETUP_SDON1 1031
#define IDC_SETUP_SDON2 1032
#define IDC_SETUP_LGON 1033
#define IDC_SETUP_OK 1034
#define IDC_SETUP_LOAD 1035
#define IDC_SETUP_SAVE 1036
#define IDC_SETUP_WMM 1037
#define IDC_SETUP_WMM_SLIDER 1038
#define IDC_SETUP_HMM 1039
#define IDC_SETUP_HMM_SLIDER 1040
#define IDC_SETUP_CHECK_VERSION 1052
#define IDC_SETUP_CHARACTER_MAP 1055
#define IDC_SETUP_ONLINE_HELP 1056
#define IDC_SETUP_COLD 1057
#define IDC_SETUP_COLDIV 1058
#define IDC_SETUP_YFLP 1059
#define IDC_SETUP_COLS1 1061
#define IDC_SETUP_COLS2 1062
#define IDC_SETUP_LETTER 1067
#define IDC_SETUP_A4 1068
#define IDC_SETUP_LEGAL 1069
// The row the dialog grows at its bottom for the sheet's true size and what comes with it.
#define IDC_SETUP_TRUESIZE 1070
// Reserved for that row's next controls: the product chooser, the printer alignment and the product's name.
#define IDC_SETUP_PRODUCTS 1071
#define IDC_SETUP_ALIGN_PRINTER 1072
#define IDC_SETUP_PRODUCT_NAME 1073

// Value Slider controls.
#define IDC_SLIDER_TRACKBAR 1031
#define IDC_SLIDER_MAXIMUM 1032
#define IDC_SLIDER_MINIMUM 1033

// Version Check controls.
#define IDC_GO_GET_NEWER_VERSION 1053
#define IDC_VERSION_MESSAGE 1054

// Printer alignment controls.
#define IDC_ALIGN_PRINTER_NAME 1701
#define IDC_ALIGN_PRINT 1702
#define IDC_ALIGN_PRINT_AGAIN 1703
#define IDC_ALIGN_READING_1 1704
#define IDC_ALIGN_READING_2 1705
#define IDC_ALIGN_READING_3 1706
#define IDC_ALIGN_READING_4 1707
#define IDC_ALIGN_READING_5 1708
#define IDC_ALIGN_READING_6 1709
#define IDC_ALIGN_SUMMARY 1710
// Run progress controls.
#define IDC_RUN_PROGRESS_TEXT 1711

// Timers: each window's timer carries its dialog's number.
#define IDT_MAIN_WINDOW 102
#define IDT_ABOUT_SCROLL 146
#define IDT_VERSION_CHECK 159
#define IDT_RUN_PROGRESS 171

// Label Sheet Products: the catalogue's chooser.
#define IDD_SHEET_PRODUCTS 170
#define IDC_PRODUCT_SEARCH 1090
#define IDC_PRODUCT_LIST 1091
#define IDC_PRODUCT_COUNT 1092

// Address lists from a file: the Main Window's button and the import preview.
#define IDC_ADDRESSES 1740
#define IDD_ADDRESS_IMPORT 173
#define IDC_IMPORT_SUMMARY 1741
#define IDC_IMPORT_ADDRESSES 1742
#define IDC_IMPORT_COLUMNS 1743
#define IDC_IMPORT_UP 1744
#define IDC_IMPORT_DOWN 1745
#define IDC_IMPORT_WARNINGS 1746
#define IDC_IMPORT_FILL 1747
