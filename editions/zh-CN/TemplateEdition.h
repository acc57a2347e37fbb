// The Simplified Chinese edition's texts and positions in the dialog
// templates.
#pragma once

#include "editions/ChineseTemplateLayout.h"

#define MIREL_MOUSE_EDIT_TITLE "编辑: 鼠标"
#define MIREL_KEY_EDIT_TITLE "编辑: 键盘"
#define MIREL_EDIT_OK "确定"
#define MIREL_EDIT_CANCEL "取消"
#define MIREL_EDIT_DELAY "延迟:"
#define MIREL_EDIT_DELAY_UNIT "毫秒"
#define MIREL_EDIT_KEY "键盘:"
