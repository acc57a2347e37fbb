"""Every picture of the program: one row per resource id.

Each row is (id, role, size, parameters). The size is the size of one state
image in pixels; `states` says how many images a strip holds side by side
(hover buttons: normal, pressed, hover, disabled). Texts drawn into a
picture are given per edition as {edition: text}; the same id exists in
every edition. tools/make_pictures.py draws each role.
"""

ZH_TW, ZH_CN, HU = "zh-TW", "zh-CN", "hu"


def tr(tw, cn, hu):
    return {ZH_TW: tw, ZH_CN: cn, HU: hu}


# Sizes shared by several rows.
FRAME = (681, 720)      # settings page: the outer frame of the main form
SMALL_PAGE = (369, 300)  # pages without settings: a compact window
BOX = (369, 300)        # message box kinds
TALL_BOX = (369, 380)   # the profile editing box, with room for the preview
BAR = (294, 24)         # 20-step progress bar
SPINNER = (63, 57)      # 8-frame busy spinner
TAB = (143, 33)         # profile tab
GROUP = (324, 92)       # one button group's frame
GROUP_TITLE = (148, 32)

PROFILE_COLOURS = [(150, 160, 164), (64, 156, 222), (232, 150, 52), (92, 190, 110)]

BOX_TEXTS = {
    339: (tr("開啟應用程式", "打开应用程序", "Alkalmazás megnyitása"),
          tr("正在開啟應用程式…", "正在打开应用程序…", "Alkalmazás megnyitása...")),
    340: (tr("儲存", "储存", "Megment"),
          tr("正在寫入設定至滑鼠…", "正在写入设置至鼠标…", "Beállítások írása az egérre...")),
    341: (tr("重置", "重置", "Visszaállítás"), tr("正在重置…", "正在重置…", "Visszaállítás...")),
    342: (tr("編輯", "编辑", "Szerkesztés"), None),
    343: (tr("變更", "变更", "Változás"), None),
    344: (tr("模式轉換器", "模式转换器", "Üzemmódváltó"),
          tr("按下此按鈕切換模式", "按下此按钮切换模式",
             "Üzemmód váltásához nyomja meg a gombot")),
    345: (tr("匯出", "导出", "Exportálás"), None),
    346: (tr("資訊", "信息", "Információ"), None),
    347: (tr("重置", "重置", "Visszaállítás"), None),
    348: (tr("資訊檢索", "信息检索", "Információ letöltése"),
          tr("正在從滑鼠檢索資訊…", "正在从鼠标检索信息…", "Információ letöltése az egérről...")),
    349: (tr("資訊檢索", "信息检索", "Információ"),
          tr("正在寫入資訊至滑鼠…", "正在写入信息至鼠标…", "Információ feltöltése az egérre...")),
    350: (tr("警告", "警告", "Warning"), None),
    351: (tr("開啟巨集編輯器", "打开宏编辑器", "A makrószerkesztő megnyitása"),
          tr("正在開啟巨集編輯器…", "正在打开宏编辑器…", "A makrószerkesztő megnyitása...")),
    352: (tr("開啟腳本編輯器", "打开脚本编辑器", "A szkriptszerkesztő megnyitása"),
          tr("正在開啟腳本編輯器…", "正在打开脚本编辑器…", "A szkriptszerkesztő megnyitása...")),
    353: (tr("資訊", "信息", "Információ"), None),
    648: (tr("變更", "变更", "Változás"), None),
}

# Which variable part of the box the picture leaves room for.
BOX_LAYOUT = {339: "bar", 351: "bar", 352: "bar",
              340: "spinner", 341: "spinner", 348: "spinner", 349: "spinner",
              342: "profile", 344: "modes", 345: "export"}

BOX_LABELS = {
    342: [(tr("名稱", "名称", "Profilnév"), (50, 103)), (tr("圖片", "图片", "Kép"), (206, 152))],
    345: [(tr("設定檔名稱", "设置档名称", "Profilnév"), (69, 124))],
}

CAPTIONED = {
    235: tr("確定", "确定", "OK"),
    236: tr("取消", "取消", "Mégse"),
    237: tr("瀏覽", "浏览", "Böngészés"),
    649: tr("套用", "应用", "Alkalmazás"),
    650: tr("不要", "不要", "Nem"),
}

COMMANDS = {  # main form command buttons
    180: tr("完成", "完成", "Kész"),
    185: tr("匯入", "导入", "Importálás"),
    186: tr("匯出", "导出", "Exportálás"),
    187: tr("預設", "默认", "Alapértelmezett"),
    188: tr("套用", "应用", "Alkalmazás"),
}


def command_size(picture, edition):
    # The Hungarian factory button is wider; its template moves it left.
    return (92, 28) if picture == 187 and edition == HU else (72, 28)


def rows():
    t = []
    add = t.append
    add((150, "app_icon", (256, 256), {}))
    page_titles = {
        151: tr("未偵測到滑鼠", "未检测到鼠标", "Nem található egér"),
        152: tr("正在重置…", "正在重置…", "Visszaállítás..."),
        153: tr("正在開啟應用程式…", "正在打开应用程序…", "Alkalmazás megnyitása..."),
    }
    for page, title in page_titles.items():
        add((page, "small_page", SMALL_PAGE, {"text": title, "page": page - 151}))
    add((154, "settings_page", FRAME, {}))
    add((155, "region", FRAME, {"radius": 14}))
    add((159, "region", SMALL_PAGE, {"radius": 12}))
    add((156, "green", (BOX[0], BOX[1] - 38), {}))
    add((157, "green", (TALL_BOX[0], TALL_BOX[1] - 38), {}))
    add((158, "green", (640, 520), {}))
    for k in range(20):
        add((160 + k, "bar_frame", BAR, {"frame": k, "frames": 20}))
    for k in range(8):
        add((215 + k, "spinner_frame", SPINNER, {"frame": k, "frames": 8}))
    for picture, text in COMMANDS.items():
        add((picture, "command", None, {"text": text, "states": 4}))
    add((181, "title_button", (24, 24), {"glyph": "minimise", "states": 4}))
    add((182, "title_button", (24, 24), {"glyph": "close", "states": 4}))
    add((183, "title_button", (24, 24), {"glyph": "close", "states": 4}))
    add((184, "title_button", (24, 24), {"glyph": "web", "states": 4}))
    add((198, "small_caption", (56, 22), {"text": tr("重置", "重置", "Vissza"), "states": 4}))
    add((200, "small_caption", (56, 22), {"text": tr("重置", "重置", "Vissza"), "states": 4}))
    add((199, "title_button", (22, 22), {"glyph": "pencil", "states": 4}))
    add((238, "title_button", (22, 22), {"glyph": "info", "states": 4}))
    add((239, "title_button", (24, 20), {"glyph": "dots", "states": 4}))
    add((213, "command", (120, 32), {"text": tr("再試一次", "再试一次", "Újra"), "states": 4}))
    add((214, "command", (120, 32), {"text": tr("離開", "离开", "Kilépés"), "states": 4}))
    for p in range(4):
        add((205 + 2 * p, "tab", TAB, {"profile": p, "patch": False, "states": 4}))
        add((206 + 2 * p, "tab", TAB, {"profile": p, "patch": False, "states": 4, "lit": True}))
        add((190 + 2 * p, "tab", TAB, {"profile": p, "patch": True, "states": 4}))
        add((191 + 2 * p, "tab", TAB, {"profile": p, "patch": True, "states": 4, "lit": True}))
    add((223, "default_profile", (143, 122), {"profile": 0}))
    add((224, "default_profile", (143, 122), {"profile": 1}))
    for n, (level, active) in enumerate([(1, False), (1, True), (2, False), (2, True)]):
        add((225 + n, "level", (56, 24), {"level": level, "active": active}))
    for picture, axis, disabled in [(229, "X", False), (230, "Y", False),
                                    (641, "X", True), (642, "Y", True)]:
        add((picture, "slider_thumb", (14, 22), {"axis": axis, "disabled": disabled}))
    for picture, axis, disabled in [(231, "X", False), (233, "X", False), (232, "Y", False),
                                    (234, "Y", False), (643, "X", True), (645, "X", True),
                                    (644, "Y", True), (646, "Y", True)]:
        add((picture, "slider_channel", (220, 22), {"axis": axis, "disabled": disabled}))
    for picture, text in CAPTIONED.items():
        add((picture, "command", (88, 30), {"text": text, "states": 4, "accent": picture in (235, 649)}))
    for g in range(6):
        for mode in range(3):
            add((244 + 7 * g + mode, "group_frame", GROUP, {"group": g, "mode": mode}))
        for state in range(4):
            add((452 + 4 * g + state, "group_title", GROUP_TITLE, {"state": state, "mode": 0}))
            add((476 + 4 * g + state, "group_title", GROUP_TITLE, {"state": state, "mode": 1}))
        for base, hover, glyph in [(283, 416, "clear"), (285, 418, "M"), (287, 420, "S")]:
            size = (26, 20)
            add((base + 6 * g, "group_button", size, {"glyph": glyph, "state": 0}))
            add((hover + 6 * g, "group_button", size, {"glyph": glyph, "state": 2}))
            add((hover + 1 + 6 * g, "group_button", size, {"glyph": glyph, "state": 3}))
    add((282, "scroll_strips", (16, 16 * 9), {}))
    add((647, "list_tile", (16, 16), {}))
    add((407, "header_fill", (1, 18), {}))
    add((408, "header_end", (4, 18), {}))
    add((409, "header_edge", (4, 18), {}))
    add((410, "scroll_arrow", (18, 15), {"up": True}))
    add((411, "scroll_track", (18, 1), {}))
    add((412, "scroll_thumb", (18, 46), {}))
    add((413, "scroll_arrow", (18, 15), {"up": False}))
    add((414, "scroll_cap", (18, 18), {}))
    for kind, (title, line) in BOX_TEXTS.items():
        size = TALL_BOX if kind == 342 else BOX
        add((kind, "box", size, {"title": title, "line": line,
                                 "layout": BOX_LAYOUT.get(kind, "text"),
                                 "labels": BOX_LABELS.get(kind, [])}))
    for n in range(14):
        add((COMMAND_ICON_BASE + n, "command_icon", (16, 16), {"icon": n}))
    return t


# Icons of the command list rows (resource ids of ICON resources).
COMMAND_ICON_BASE = 660
