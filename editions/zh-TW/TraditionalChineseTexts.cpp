// The Traditional Chinese edition's texts. Each fixed slot table is a char array,
// so a text longer than its slot does not compile.
#include "editions/EditionTexts.h"

constexpr EditionTexts kTraditionalChineseTexts = {
  // Message table: numbers without a text are never shown.
  {
    L"此應用程式已開啟。",  // 0
    L"未連接遊戲滑鼠。",  // 1
    L"", L"", L"",  // 2..4
    L"無法找到檔案位置：",  // 5
    L"錯誤的檔案格式。",  // 6
    L"", L"", L"", L"", L"", L"",  // 7..12
    L"Error: Failed to LOAD MOUSE CONFIGURE!",  // 13
    L"",  // 14
    L"Error: Failed to SAVE MOUSE CONFIGURE!",  // 15
    L"", L"", L"", L"", L"",  // 16..20
    L"寫入失敗。",  // 21
    L"",  // 22
    L"請稍候…",  // 23
    L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 24..32
    L"Bad Selected Profile!",  // 33
    L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 34..53
    L"無法連接到：",  // 54
  },
  // Revert questions, one per area that can be reverted.
  {
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
    L"回復到前次設定?",
  },
  // Script change questions, scripts 1..6.
  {
    L"將變更劇本1，繼續?",
    L"將變更劇本2，繼續?",
    L"將變更劇本3，繼續?",
    L"將變更劇本4，繼續?",
    L"將變更劇本5，繼續?",
    L"將變更劇本6，繼續?",
  },
  // Macro change questions, macros 1..18.
  {
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
    L"將變更巨集，繼續?",
  },
  // Button function names, in list order.
  {
    L"左鍵",
    L"右鍵",
    L"中鍵",
    L"IE 後退鍵",
    L"IE 前進鍵",
    L"鍵盤",
    L"巨集",
    L"腳本 #1",
    L"腳本 #2",
    L"腳本 #3",
    L"腳本 #4",
    L"腳本 #5",
    L"腳本 #6",
    L"DPI [+]",
    L"DPI [-]",
    L"DPI 層級 1",
    L"DPI 層級 2",
    L"設定檔轉換",
    L"一般設定檔",
    L"自訂設定檔 1",
    L"自訂設定檔 2",
    L"自訂設定檔 3",
    L"滾輪[左]",
    L"滾輪[右]]",
    L"快速按擊 [滑鼠]",
    L"快速按擊 [按鍵]",
    L"網路瀏覽器",
    L"E-Mail",
    L"多媒體播放器",
    L"播放/暫停",
    L"停止",
    L"下一軌",
    L"前一軌",
    L"提高音量",
    L"降低音量",
    L"靜音",
    L"計算機",
    L"我的電腦",
    L"關閉",
  },
  // Default profile names.
  {L"一般", L"設定檔 1", L"設定檔 2", L"設定檔 3"},
  // Base names of the command rows.
  MakeOpcodeNames({L"左鍵", L"右鍵", L"中鍵", L"按鍵4", L"按鍵5", L"左-右按鍵", L"滾輪", L"Script Stop"}),
  // Every other text, in TextId order (checked where the table is used).
  {{
    {IDS_APP_TITLE, L"Orvo Mirel 資訊"},
    {IDS_APPLY_QUESTION, L"套用新設定值到滑鼠上?"},
    {IDS_FACTORY_QUESTION, L"回復此設定檔到出廠設定?"},
    {IDS_SENSITIVITY_RANGE, L"輸入錯誤。只能輸入0~4000之間的整數值。"},
    {IDS_FILE_EXISTS, L"The file existed! Overwrite?"},
    {IDS_UNABLE_TO_OPEN_FILE, L"Unable to open file."},
    {IDS_OPEN_APP_TO_IMPORT, L"Please open gaming mouse application to import this profile."},
    {IDS_NO_FILE_NAME, L"No File Name!"},
    {IDS_TIP_TAB_0, L"標準設定檔"},
    {IDS_TIP_TAB_1, L"自訂遊戲滑鼠設定檔 #1"},
    {IDS_TIP_TAB_2, L"自訂遊戲滑鼠設定檔 #2"},
    {IDS_TIP_TAB_3, L"自訂遊戲滑鼠設定檔 #3"},
    {IDS_TIP_IMPORT, L"正在從檔案匯入…"},
    {IDS_TIP_EXPORT, L"正在從檔案匯出…"},
    {IDS_TIP_FACTORY, L"將記憶體回復到出廠預設設定"},
    {IDS_TIP_APPLY, L"套用"},
    {IDS_TIP_WEB, L"前往Orvo遊戲產品網頁"},
    {IDS_MOUSE_INPUT_AREA, L"滑鼠輸入區域"},
    {IDS_SELECT_MOUSE_TITLE, L"Orvo Gaming Mouse: Mirel"},
    {IDS_CMD_BTN_LEFT, L"左鍵"},
    {IDS_CMD_BTN_RIGHT, L"右鍵"},
    {IDS_CMD_BTN_MIDDLE, L"中鍵"},
    {IDS_CMD_BTN_BACK, L"IE 後退鍵"},
    {IDS_CMD_BTN_FORWARD, L"IE 前進鍵"},
    {IDS_CMD_BTN_6, L"按鍵 6"},
    {IDS_CMD_BTN_4, L"按鍵4"},
    {IDS_CMD_BTN_5, L"按鍵5"},
    {IDS_CMD_BTN_LR, L"左-右按鍵"},
    {IDS_CMD_WHEEL, L"滾輪"},
    {IDS_CMD_WHEEL_DOWN, L"滾輪向下滾動"},
    {IDS_CMD_WHEEL_UP, L"滾輪向上滾動"},
    {IDS_CMD_DELAY, L"... Delay: "},
    {IDS_CMD_SCRIPT_STOP, L"Script Stop"},
    {IDS_MS, L"毫秒"},
    {IDS_COL_NUMBER, L"編號"},
    {IDS_COL_COMMAND, L"指令"},
    {IDS_COL_DELAY, L"延遲"},
    {IDS_SCRIPT_MODE_LOOP, L"  迴圈"},
    {IDS_SCRIPT_MODE_FIRE, L"  射擊"},
    {IDS_SCRIPT_MODE_KEEP_FIRE, L"  持續射擊"},
    {IDS_CONSUMER_205, L"Play"},
    {IDS_CONSUMER_183, L"停止"},
    {IDS_CONSUMER_181, L"下一軌"},
    {IDS_CONSUMER_182, L"前一軌"},
    {IDS_CONSUMER_233, L"提高音量"},
    {IDS_CONSUMER_234, L"降低音量"},
    {IDS_CONSUMER_226, L"靜音"},
    {IDS_CONSUMER_387, L"多媒體播放器"},
    {IDS_CONSUMER_394, L"E-Mail"},
    {IDS_CONSUMER_402, L"計算機"},
    {IDS_CONSUMER_404, L"我的電腦"},
    {IDS_CONSUMER_547, L"網路瀏覽器"},
  }},
};

static_assert(FreeTextsInOrder(kTraditionalChineseTexts));
