// The Simplified Chinese edition's texts. Each fixed slot table is a char array,
// so a text longer than its slot does not compile.
#include "editions/EditionTexts.h"

constexpr EditionTexts kSimplifiedChineseTexts = {
  // Message table: numbers without a text are never shown.
  {
    L"此应用程序已打开。",  // 0
    L"未连接游戏鼠标。",  // 1
    L"", L"", L"",  // 2..4
    L"无法找到文件路径： ",  // 5
    L"错误的文件格式。",  // 6
    L"", L"", L"", L"", L"", L"",  // 7..12
    L"Error: Failed to LOAD MOUSE CONFIGURE!",  // 13
    L"",  // 14
    L"Error: Failed to SAVE MOUSE CONFIGURE!",  // 15
    L"", L"", L"", L"", L"",  // 16..20
    L"写入失败。",  // 21
    L"",  // 22
    L"请稍候…",  // 23
    L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 24..32
    L"Bad Selected Profile!",  // 33
    L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 34..53
    L"无法连接到：",  // 54
  },
  // Revert questions, one per area that can be reverted.
  {
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
    L"重新设回上次的设定?",
  },
  // Script change questions, scripts 1..6.
  {
    L"脚本将会改变，继续吗?",
    L"脚本将会改变，继续吗?",
    L"脚本将会改变，继续吗",
    L"脚本将会改变，继续吗?",
    L"脚本将会改变，继续吗",
    L"脚本将会改变，继续吗?",
  },
  // Macro change questions, macros 1..18.
  {
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
    L"这个宏将会改变，继续吗?",
  },
  // Button function names, in list order.
  {
    L"左键",
    L"右键",
    L"中键",
    L"IE 后退键",
    L"IE 前进键",
    L"键盘",
    L"宏",
    L"脚本 #1",
    L"脚本 #2",
    L"脚本 #3",
    L"脚本 #4",
    L"脚本 #5",
    L"脚本 #6",
    L"DPI [+]",
    L"DPI [-]",
    L"DPI 层级 1",
    L"DPI 层级 2",
    L"设置档转换",
    L"常规设置档",
    L"自定义设置档 1",
    L"自定义设置档 2",
    L"自定义设置档 3",
    L"滚轮[左]",
    L"滚轮[右]",
    L"快速点击 [鼠标]",
    L"快速点击 [按键]",
    L"网络浏览器",
    L"E-Mail",
    L"媒体播放器",
    L"播放/暂停",
    L"停止",
    L"下一轨",
    L"前一轨",
    L"提高音量",
    L"降低音量",
    L"静音",
    L"计算器",
    L"我的电脑",
    L"关闭",
  },
  // Default profile names.
  {L"常规", L"设置档 1", L"设置档 2", L"设置档 3"},
  // Base names of the command rows.
  MakeOpcodeNames({L"左键", L"右键", L"中键", L"按键-4", L"按键-5", L"左-右按键", L"滚轮", L"Script Stop"}),
  // Every other text, in TextId order (checked where the table is used).
  {{
    {IDS_APP_TITLE, L"Orvo Mirel 信息"},
    {IDS_APPLY_QUESTION, L"将新的设定应用至鼠标?"},
    {IDS_FACTORY_QUESTION, L"重新设回此设置檔的出厂设定值"},
    {IDS_SENSITIVITY_RANGE, L"输入错误。你只能输入0-4000的整数。"},
    {IDS_FILE_EXISTS, L"The file existed! Overwrite?"},
    {IDS_UNABLE_TO_OPEN_FILE, L"Unable to open file."},
    {IDS_OPEN_APP_TO_IMPORT, L"Please open gaming mouse application to import this profile."},
    {IDS_NO_FILE_NAME, L"No File Name!"},
    {IDS_TIP_TAB_0, L"标准设置档"},
    {IDS_TIP_TAB_1, L"自定义游戏鼠标设置档 #1"},
    {IDS_TIP_TAB_2, L"自定义游戏鼠标设置档 #2"},
    {IDS_TIP_TAB_3, L"自定义游戏鼠标设置档 #3"},
    {IDS_TIP_IMPORT, L"正在从文件导入…"},
    {IDS_TIP_EXPORT, L"正在从文件导出…"},
    {IDS_TIP_FACTORY, L"将存储器恢复到出厂默认设置"},
    {IDS_TIP_APPLY, L"应用"},
    {IDS_TIP_WEB, L"前往Orvo游戏产品网页"},
    {IDS_MOUSE_INPUT_AREA, L"鼠标输入区域"},
    {IDS_SELECT_MOUSE_TITLE, L"Orvo Gaming Mouse: Mirel"},
    {IDS_CMD_BTN_LEFT, L"左键"},
    {IDS_CMD_BTN_RIGHT, L"右键"},
    {IDS_CMD_BTN_MIDDLE, L"中键"},
    {IDS_CMD_BTN_BACK, L"IE 后退键"},
    {IDS_CMD_BTN_FORWARD, L"IE 前进键"},
    {IDS_CMD_BTN_6, L"按键 6"},
    {IDS_CMD_BTN_4, L"按键-4"},
    {IDS_CMD_BTN_5, L"按键-5"},
    {IDS_CMD_BTN_LR, L"左-右按键"},
    {IDS_CMD_WHEEL, L"滚轮"},
    {IDS_CMD_WHEEL_DOWN, L"滚轮向下滚动"},
    {IDS_CMD_WHEEL_UP, L"滚轮向上滚动"},
    {IDS_CMD_DELAY, L"... Delay: "},
    {IDS_CMD_SCRIPT_STOP, L"Script Stop"},
    {IDS_MS, L"毫秒"},
    {IDS_COL_NUMBER, L"编号"},
    {IDS_COL_COMMAND, L"指令"},
    {IDS_COL_DELAY, L"延迟"},
    {IDS_SCRIPT_MODE_LOOP, L"  循环"},
    {IDS_SCRIPT_MODE_FIRE, L"  射击"},
    {IDS_SCRIPT_MODE_KEEP_FIRE, L"  持续射击"},
    {IDS_CONSUMER_205, L"播放"},
    {IDS_CONSUMER_183, L"停止"},
    {IDS_CONSUMER_181, L"下一轨"},
    {IDS_CONSUMER_182, L"前一轨"},
    {IDS_CONSUMER_233, L"提高音量"},
    {IDS_CONSUMER_234, L"降低音量"},
    {IDS_CONSUMER_226, L"静音"},
    {IDS_CONSUMER_387, L"媒体播放器"},
    {IDS_CONSUMER_394, L"E-Mail"},
    {IDS_CONSUMER_402, L"计算器"},
    {IDS_CONSUMER_404, L"我的电脑"},
    {IDS_CONSUMER_547, L"网络浏览器"},
  }},
};

static_assert(FreeTextsInOrder(kSimplifiedChineseTexts));
