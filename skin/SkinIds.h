// Ids shared by the skin's resource scripts and code: dialog templates,
// their controls and the window messages of the message box.
#pragma once

#define IDD_BOX_PANEL 103
#define IDD_MAIN_FRAME 105
#define IDD_MESSAGE_BOX 106

#define IDC_WEB_PAGE 1005
#define IDC_MINIMISE 1001
#define IDC_TITLE_CLOSE 2003
#define IDC_FOLDER_BROWSE 1035
#define IDC_DEFAULT_PICTURE 2006
#define IDC_PICTURE_PREVIEW 2007
#define IDC_BAR 2000
#define IDC_SPINNER 2001
#define IDC_FOLDER_TEXT 1036
#define IDC_MODE_TEXT_1 1729
#define IDC_MODE_TEXT_2 1730
#define IDC_MODE_TEXT_3 1731
#define IDC_MODE_TEXT_4 1732
#define IDC_MESSAGE_TEXT 1034
#define IDC_FIRST_LINE 1733
#define IDC_PICTURE_BROWSE 2004
#define IDC_NAME 2005

// To the message box: wParam 1, lParam the new position of its bar or spinner.
#define WM_BOX_PROGRESS 0x1000
// From the button panel to its box: a picture was chosen.
#define WM_BOX_PICTURE 0x1001
