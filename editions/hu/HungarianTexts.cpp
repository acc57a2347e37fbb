// The Hungarian edition's texts. Each fixed slot table is a char array,
// so a text longer than its slot does not compile.
#include "editions/EditionTexts.h"

constexpr EditionTexts kHungarianTexts = {
  // Message table: numbers without a text are never shown.
  {
    L"Az alkalmazás már nyitva van.",  // 0
    L"Nem csatlakozik játékegér.",  // 1
    L"", L"", L"",  // 2..4
    L"Az fájl elérési útvonala nem található: ",  // 5
    L"Rossz fájlformátum.",  // 6
    L"", L"", L"", L"", L"", L"",  // 7..12
    L"Error: Failed to LOAD MOUSE CONFIGURE!",  // 13
    L"",  // 14
    L"Error: Failed to SAVE MOUSE CONFIGURE!",  // 15
    L"", L"", L"", L"", L"",  // 16..20
    L"ikertelen írás.",  // 21
    L"",  // 22
    L"Várjon...",  // 23
    L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 24..32
    L"Bad Selected Profile!",  // 33
    L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"",  // 34..53
    L"Nem lehet kapcsolódni ehhez:",  // 54
  },
  // Revert questions, one per area that can be reverted.
  {
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
    L"Eredeti beállítások visszaállítása?",
  },
  // Script change questions, scripts 1..6.
  {
    L"A script1 módosul. Folytatás?",
    L"A script2 módosul. Folytatás?",
    L"A script3 módosul. Folytatás?",
    L"A script4 módosul. Folytatás?",
    L"A script5 módosul. Folytatás?",
    L"A script6 módosul. Folytatás?",
  },
  // Macro change questions, macros 1..18.
  {
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
    L"A makró modosul. Folytatás?",
  },
  // Button function names, in list order.
  {
    L"B gomb",
    L"J gomb",
    L"K gomb",
    L"IE vissza",
    L"IE előre",
    L"Billentyűzet",
    L"Makró",
    L"1. szkript",
    L"2. szkript",
    L"3. szkript",
    L"4. szkript",
    L"5. szkript",
    L"6. szkript",
    L"DPI [+]",
    L"DPI [-]",
    L"DPI level 1",
    L"DPI level 2",
    L"Profilváltás",
    L"Normál profil",
    L"1. felhasználói profil",
    L"2. felhasználói profil",
    L"3. felhasználói profil",
    L"Kerék [bal]",
    L"Kerék [jobb]",
    L"Gyorstüzelés [egér]",
    L"Gyorstüzelés [billentyű]",
    L"Webböngésző",
    L"E-Mail",
    L"Médialejátszó",
    L"Lejátszás/Szünet",
    L"Leállítás",
    L"Következő szám",
    L"Előző szám",
    L"Hangerő fel",
    L"Hangerő le",
    L"Némítás",
    L"Számológép",
    L"Sajátgép",
    L"Letiltva",
  },
  // Default profile names.
  {L"Normál", L"1. profil", L"2. profil", L"3. profil"},
  // Base names of the command rows.
  MakeOpcodeNames({L"B gomb", L"J gomb", L"K gomb", L"4. gomb", L"5. gomb", L"B-J gomb", L"Kerék görgetés", L"Leállítás"}),
  // Every other text, in TextId order (checked where the table is used).
  {{
    {IDS_APP_TITLE, L"Orvo Mirel ÜZENET"},
    {IDS_APPLY_QUESTION, L"Új beállítás alkalmazása?"},
    {IDS_FACTORY_QUESTION, L"Orrgazdaság a profilt rendszer alapértelmezett beállítás?"},
    {IDS_SENSITIVITY_RANGE, L"Betöltési hiba. Csak 0-4000 közötti egész szám alkalmazható."},
    {IDS_FILE_EXISTS, L"The file existed! Overwrite?"},
    {IDS_UNABLE_TO_OPEN_FILE, L"Unable to open file."},
    {IDS_OPEN_APP_TO_IMPORT, L"Please open gaming mouse application to import this profile."},
    {IDS_NO_FILE_NAME, L"No File Name!"},
    {IDS_TIP_TAB_0, L"Szabványos profil"},
    {IDS_TIP_TAB_1, L"Felhasználó által definiált játékegér-profil 1"},
    {IDS_TIP_TAB_2, L"Felhasználó által definiált játékegér-profil 2"},
    {IDS_TIP_TAB_3, L"Felhasználó által definiált játékegér-profil 3"},
    {IDS_TIP_IMPORT, L"Importálás fájlból..."},
    {IDS_TIP_EXPORT, L"Exportálás fájlba…"},
    {IDS_TIP_FACTORY, L"Memória visszaállítása a gyári alapértelmezett beállításokra"},
    {IDS_TIP_APPLY, L"Alkalmazás"},
    {IDS_TIP_WEB, L"Ugrás az Orvo Jaték weboldalra"},
    {IDS_MOUSE_INPUT_AREA, L"Egér beviteli területe"},
    {IDS_SELECT_MOUSE_TITLE, L"Orvo Gaming Mouse: Mirel"},
    {IDS_CMD_BTN_LEFT, L"B gomb"},
    {IDS_CMD_BTN_RIGHT, L"J gomb"},
    {IDS_CMD_BTN_MIDDLE, L"K gomb"},
    {IDS_CMD_BTN_BACK, L"IE vissza"},
    {IDS_CMD_BTN_FORWARD, L"IE előre"},
    {IDS_CMD_BTN_6, L"6. gomb"},
    {IDS_CMD_BTN_4, L"4. gomb"},
    {IDS_CMD_BTN_5, L"5. gomb"},
    {IDS_CMD_BTN_LR, L"B-J gomb"},
    {IDS_CMD_WHEEL, L"Kerék görgetés"},
    {IDS_CMD_WHEEL_DOWN, L"Kerék görgetés le"},
    {IDS_CMD_WHEEL_UP, L"Kerék görgetés fel"},
    {IDS_CMD_DELAY, L"... Késleltetés: "},
    {IDS_CMD_SCRIPT_STOP, L"Leállítás"},
    {IDS_MS, L"ms"},
    {IDS_COL_NUMBER, L"SZ."},
    {IDS_COL_COMMAND, L"Utasítás"},
    {IDS_COL_DELAY, L"Késleltetés"},
    {IDS_SCRIPT_MODE_LOOP, L"  Loop"},
    {IDS_SCRIPT_MODE_FIRE, L"  Fire"},
    {IDS_SCRIPT_MODE_KEEP_FIRE, L"  Keeping fire"},
    {IDS_CONSUMER_205, L"Play"},
    {IDS_CONSUMER_183, L"Leállítás"},
    {IDS_CONSUMER_181, L"Következő szám"},
    {IDS_CONSUMER_182, L"Előző szám"},
    {IDS_CONSUMER_233, L"Hangerő fel"},
    {IDS_CONSUMER_234, L"Hangerő le"},
    {IDS_CONSUMER_226, L"Némítás"},
    {IDS_CONSUMER_387, L"Médialejátszó"},
    {IDS_CONSUMER_394, L"E-Mail"},
    {IDS_CONSUMER_402, L"Számológép"},
    {IDS_CONSUMER_404, L"Sajátgép"},
    {IDS_CONSUMER_547, L"Webböngésző"},
  }},
};

static_assert(FreeTextsInOrder(kHungarianTexts));
