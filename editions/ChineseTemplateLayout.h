// Positions in the dialog templates that the two Chinese editions share
// (dialog units; rectangles as x, y, width, height).
#pragma once

// Script editor: the delay-unit and mode drop-down buttons and their lists.
#define MIREL_TICK_BUTTON 72, 206, 46, 19
#define MIREL_TICK_LIST 73, 225, 43, 40
#define MIREL_MODE_BUTTON 125, 206, 68, 19
#define MIREL_MODE_LIST 128, 225, 62, 30

// Mouse instruction dialog: where the delay field and its unit stand.
#define MIREL_MOUSE_DELAY_X 50
#define MIREL_MOUSE_UNIT_X 97

// Keyboard instruction dialog: its width and what follows it.
#define MIREL_KEY_DIALOG_WIDTH 169
#define MIREL_KEY_GROUP_WIDTH 155
#define MIREL_KEY_FIELD 68, 18, 77, 14
#define MIREL_KEY_OK_X 50
#define MIREL_KEY_CANCEL_X 104
