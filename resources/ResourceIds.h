// Numbers of the program's resources and of the controls in its dialog
// templates; shared by setup.rc and the code.
#pragma once

// Icon of the program and of its windows.
#define IDI_SETUP 128
// Pointer shown over links.
#define IDCUR_LINK 131

// Dialog templates.
#define IDD_PAGE 130
#define IDD_INIT_WINDOW 131
#define IDD_MSGBOX 133
#define IDD_DEST_DIR 147

// Progress window (IDD_INIT_WINDOW).
#define IDC_INIT_PROGRESS 1000

// Message box (IDD_MSGBOX).
#define IDC_MSGBOX_ICON 1006
#define IDC_MSGBOX_TEXT 1008
#define IDC_MSGBOX_FIRST 1079
#define IDC_MSGBOX_SECOND 1080

// Destination directory (IDD_DEST_DIR).
#define IDC_DEST_DESC 1002
#define IDC_DEST_PATH 1066
#define IDC_DEST_BROWSE 1067
#define IDC_DEST_ICON 1068
