// The Traditional Chinese edition's texts and positions in the dialog
// templates.
#pragma once

#include "editions/ChineseTemplateLayout.h"

#define MIREL_MOUSE_EDIT_TITLE "指令編輯: 滑鼠"
#define MIREL_KEY_EDIT_TITLE "指令編輯: 鍵盤"
#define MIREL_EDIT_OK "確定"
#define MIREL_EDIT_CANCEL "取消"
#define MIREL_EDIT_DELAY "延遲:"
#define MIREL_EDIT_DELAY_UNIT "毫秒"
#define MIREL_EDIT_KEY "鍵盤:"
