// Ids of every user-visible text. Each edition supplies one text per id;
// code refers to texts only through these ids (see Edition.h).
#pragma once

enum TextId : int {
  IDS_APP_TITLE,  // caption of every standard message box
  IDS_ALREADY_OPEN,  // message 0: a second copy was started
  IDS_NO_MOUSE,  // message 1: no gaming mouse connected
  IDS_FILE_LOCATION,  // message 5, followed by the path: cannot find the file location
  IDS_BAD_FORMAT,  // message 6: wrong file format
  IDS_LOAD_CONFIG_FAILED,  // message 13
  IDS_SAVE_CONFIG_FAILED,  // message 15
  IDS_WRITE_FAILED,  // message 21: write failed
  IDS_PLEASE_WAIT,  // message 23: please wait
  IDS_BAD_PROFILE,  // message 33
  IDS_CANNOT_CONNECT,  // message 54, followed by the address: cannot connect to
  IDS_APPLY_QUESTION,  // apply the new settings to the mouse?
  IDS_FACTORY_QUESTION,  // restore this profile to factory settings?
  IDS_REVERT_QUESTION,  // revert to the previous settings? (all 8 slots)
  IDS_MACRO_CHANGE_QUESTION,  // the macro will change, continue? (all 18 slots)
  IDS_SCRIPT_CHANGE_QUESTION_1,  // script 1 will change, continue?
  IDS_SCRIPT_CHANGE_QUESTION_2,  // script 2 will change, continue?
  IDS_SCRIPT_CHANGE_QUESTION_3,  // script 3 will change, continue?
  IDS_SCRIPT_CHANGE_QUESTION_4,  // script 4 will change, continue?
  IDS_SCRIPT_CHANGE_QUESTION_5,  // script 5 will change, continue?
  IDS_SCRIPT_CHANGE_QUESTION_6,  // script 6 will change, continue?
  IDS_SENSITIVITY_RANGE,  // input error: only integers 0..4000
  IDS_FILE_EXISTS,  // export target exists
  IDS_UNABLE_TO_OPEN_FILE,  // started with a file, first line
  IDS_OPEN_APP_TO_IMPORT,  // started with a file, text
  IDS_NO_FILE_NAME,  // export dialog without a name
  IDS_TIP_TAB_0,  // tooltip of profile tab 0
  IDS_TIP_TAB_1,  // tooltip of profile tab 1
  IDS_TIP_TAB_2,  // tooltip of profile tab 2
  IDS_TIP_TAB_3,  // tooltip of profile tab 3
  IDS_TIP_IMPORT,  // tooltip of button 1006
  IDS_TIP_EXPORT,  // tooltip of button 1007
  IDS_TIP_FACTORY,  // tooltip of button 1008
  IDS_TIP_APPLY,  // tooltip of button 1009
  IDS_TIP_WEB,  // tooltip of the frame's web-page button
  IDS_PROFILE_NAME_0,  // default name of profile 0
  IDS_PROFILE_NAME_1,  // default name of profile 1
  IDS_PROFILE_NAME_2,  // default name of profile 2
  IDS_PROFILE_NAME_3,  // default name of profile 3
  IDS_MOUSE_INPUT_AREA,  // empty recording area of the macro recorder
  IDS_SELECT_MOUSE_TITLE,  // title of the mouse selection dialog 102
  IDS_FUNC_00,  // button function list entry 0
  IDS_FUNC_01,  // button function list entry 1
  IDS_FUNC_02,  // button function list entry 2
  IDS_FUNC_03,  // button function list entry 3
  IDS_FUNC_04,  // button function list entry 4
  IDS_FUNC_05,  // button function list entry 5
  IDS_FUNC_06,  // button function list entry 6
  IDS_FUNC_07,  // button function list entry 7
  IDS_FUNC_08,  // button function list entry 8
  IDS_FUNC_09,  // button function list entry 9
  IDS_FUNC_10,  // button function list entry 10
  IDS_FUNC_11,  // button function list entry 11
  IDS_FUNC_12,  // button function list entry 12
  IDS_FUNC_13,  // button function list entry 13
  IDS_FUNC_14,  // button function list entry 14
  IDS_FUNC_15,  // button function list entry 15
  IDS_FUNC_16,  // button function list entry 16
  IDS_FUNC_17,  // button function list entry 17
  IDS_FUNC_18,  // button function list entry 18
  IDS_FUNC_19,  // button function list entry 19
  IDS_FUNC_20,  // button function list entry 20
  IDS_FUNC_21,  // button function list entry 21
  IDS_FUNC_22,  // button function list entry 22
  IDS_FUNC_23,  // button function list entry 23
  IDS_FUNC_24,  // button function list entry 24
  IDS_FUNC_25,  // button function list entry 25
  IDS_FUNC_26,  // button function list entry 26
  IDS_FUNC_27,  // button function list entry 27
  IDS_FUNC_28,  // button function list entry 28
  IDS_FUNC_29,  // button function list entry 29
  IDS_FUNC_30,  // button function list entry 30
  IDS_FUNC_31,  // button function list entry 31
  IDS_FUNC_32,  // button function list entry 32
  IDS_FUNC_33,  // button function list entry 33
  IDS_FUNC_34,  // button function list entry 34
  IDS_FUNC_35,  // button function list entry 35
  IDS_FUNC_36,  // button function list entry 36
  IDS_FUNC_37,  // button function list entry 37
  IDS_FUNC_38,  // button function list entry 38
  IDS_CMD_BTN_LEFT,  // button 1 in the text of button conditions; also opcodes 0x78 and 0xF8
  IDS_CMD_BTN_RIGHT,  // button 2 in the text of button conditions; also opcodes 0x79 and 0xF9
  IDS_CMD_BTN_MIDDLE,  // button 3 in the text of button conditions; also opcodes 0x7A and 0xFA
  IDS_CMD_BTN_BACK,  // button 4 in the text of button conditions
  IDS_CMD_BTN_FORWARD,  // button 5 in the text of button conditions
  IDS_CMD_BTN_6,  // button 6 in the text of button conditions
  IDS_CMD_BTN_4,  // mouse-instruction list; opcodes 0x7B and 0xFB
  IDS_CMD_BTN_5,  // mouse-instruction list; opcodes 0x7C and 0xFC
  IDS_CMD_BTN_LR,  // mouse-instruction list; opcodes 0x7D and 0xFD
  IDS_CMD_WHEEL,  // opcodes 0x7E and 0xFE
  IDS_CMD_WHEEL_DOWN,  // mouse-instruction list: wheel scrolls down
  IDS_CMD_WHEEL_UP,  // mouse-instruction list: wheel scrolls up
  IDS_CMD_DELAY,  // name of opcode 0x01 (delay row prefix)
  IDS_CMD_SCRIPT_STOP,  // name of opcode 0xFF
  IDS_MS,  // unit shown after delay values
  IDS_COL_NUMBER,  // command list, column 1 heading
  IDS_COL_COMMAND,  // command list, column 2 heading
  IDS_COL_DELAY,  // command list, column 3 heading
  IDS_SCRIPT_MODE_LOOP,  // script editor mode list (2023), entry 1
  IDS_SCRIPT_MODE_FIRE,  // script editor mode list (2023), entry 2
  IDS_SCRIPT_MODE_KEEP_FIRE,  // script editor mode list (2023), entry 3
  IDS_CONSUMER_205,  // name of consumer usage 205 (0xCD)
  IDS_CONSUMER_183,  // name of consumer usage 183 (0xB7)
  IDS_CONSUMER_181,  // name of consumer usage 181 (0xB5)
  IDS_CONSUMER_182,  // name of consumer usage 182 (0xB6)
  IDS_CONSUMER_233,  // name of consumer usage 233 (0xE9)
  IDS_CONSUMER_234,  // name of consumer usage 234 (0xEA)
  IDS_CONSUMER_226,  // name of consumer usage 226 (0xE2)
  IDS_CONSUMER_387,  // name of consumer usage 387 (0x183)
  IDS_CONSUMER_394,  // name of consumer usage 394 (0x18A)
  IDS_CONSUMER_402,  // name of consumer usage 402 (0x192)
  IDS_CONSUMER_404,  // name of consumer usage 404 (0x194)
  IDS_CONSUMER_547,  // name of consumer usage 547 (0x223)
  kTextIdCount
};
