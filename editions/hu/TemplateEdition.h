// The Hungarian edition's texts and positions in the dialog templates:
// its longer words need wider drop-downs in the script editor and a wider
// keyboard dialog, and move the mouse dialog's delay field right.
#pragma once

#define MIREL_MOUSE_EDIT_TITLE "Szerkesztés"
#define MIREL_KEY_EDIT_TITLE "Szerkesztés: Billentyűzet"
#define MIREL_EDIT_OK "OK"
#define MIREL_EDIT_CANCEL "Mégse"
#define MIREL_EDIT_DELAY "Késleltetés:"
#define MIREL_EDIT_DELAY_UNIT "ms"
#define MIREL_EDIT_KEY "Billentyűzet:"

#define MIREL_TICK_BUTTON 106, 206, 46, 19
#define MIREL_TICK_LIST 107, 225, 44, 40
#define MIREL_MODE_BUTTON 157, 206, 64, 19
#define MIREL_MODE_LIST 159, 225, 62, 30

#define MIREL_MOUSE_DELAY_X 66
#define MIREL_MOUSE_UNIT_X 113

#define MIREL_KEY_DIALOG_WIDTH 206
#define MIREL_KEY_GROUP_WIDTH 192
#define MIREL_KEY_FIELD 68, 18, 114, 14
#define MIREL_KEY_OK_X 87
#define MIREL_KEY_CANCEL_X 141
