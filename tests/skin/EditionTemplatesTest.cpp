// Reads the script editor's and the instruction dialogs' templates out of
// each edition's built Mirel.exe: every control the editor and the dialogs
// work with is there, nothing lies outside its dialog, and each edition
// has its own texts and, in Hungarian, its moved and widened fields.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "skin/DialogTemplate.h"
#include "skin/EditorIds.h"
#include "skin/InstructionIds.h"
#include "skin/SkinIds.h"

namespace {

constexpr std::uint32_t kNoId = 0xFFFFFFFF;
constexpr std::uint16_t kComboBox = 0x85;

struct STemplateCase {
  int id;
  const char16_t* title;  // null: the edition's
  std::vector<std::uint32_t> controls;
};

const STemplateCase kTemplates[] = {
    {IDD_SCRIPT_FORM, u"",
     {IDC_RECORDING_AREA, IDC_WITH_TIMING, IDC_INSERT_MODE, IDC_RECORD, IDC_STOP_RECORDING,
      IDC_COMMAND_LIST, IDC_CLEAR_ALL, IDC_DELETE_ROWS, IDC_MOVE_UP, IDC_MOVE_DOWN,
      IDC_BYTES_USED, IDC_TICK_BUTTON, IDC_TICK_LIST, IDC_MODE_BUTTON, IDC_MODE_LIST,
      IDC_SAVE_FILE, IDC_LOAD_FILE, IDOK, IDCANCEL}},
    {IDD_SCRIPT_FRAME, u"", {IDC_TITLE_CLOSE}},
    {IDD_EDIT_MOUSE, nullptr, {IDC_MOUSE_LIST, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_ABSOLUTE_MOTION, u"Instruction Edit: Absoluted Motion",
     {IDC_EDIT_X, IDC_EDIT_Y, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_CONSUMER, u"Instruction Edit: Consumer Control",
     {IDC_CONSUMER_LIST, IDC_HID_CODE_LABEL, IDC_HID_CODE, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_LOOP, u"Instruction Edit: Repeat Loop ", {IDC_LOOP_COUNT, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_KEY, nullptr, {IDC_KEY_FIELD, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_MOTION, u"Instruction Edit: Motion", {IDC_EDIT_X, IDC_EDIT_Y, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_DELAY, u"Instruction Edit: Delay", {IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_IF, u"Instruction Edit: IF",
     {IDC_IF_CONDITION, IDC_IF_STATE, IDC_IF_LINE, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_GOTO, u"Instruction Edit: Go To", {IDC_GOTO_LINE, IDC_DELAY, IDOK, IDCANCEL}},
    {IDD_EDIT_IF_VARIABLES, u"Instruction Edit: IF (Variables)",
     {IDC_VARIABLE_LEFT, IDC_VARIABLE_OPERATOR, IDC_VARIABLE_RIGHT, IDC_VARIABLE_LINE, IDC_DELAY,
      IDOK, IDCANCEL}},
    {IDD_EDIT_ASSIGNMENT, u"Instruction Edit: Variable Assignment",
     {IDC_ASSIGNMENT_TARGET, IDC_ASSIGNMENT_EXPRESSION, IDC_DELAY, IDOK, IDCANCEL}},
};

// What differs between the editions.
struct SEditionCase {
  const char* folder;
  const char16_t* mouseTitle;
  const char16_t* keyTitle;
  const char16_t* ok;
  const char16_t* cancel;
  const char16_t* delay;
  const char16_t* unit;
  const char16_t* key;
  SDialogRect tickButton, tickList, modeButton, modeList;
  int mouseDelayX, mouseUnitX;
  int keyWidth, keyCancelX;
  SDialogRect keyField;
};

const SEditionCase kEditions[] = {
    {"zh-TW", u"指令編輯: 滑鼠", u"指令編輯: 鍵盤", u"確定", u"取消", u"延遲:", u"毫秒", u"鍵盤:",
     {72, 206, 46, 19}, {73, 225, 43, 40}, {125, 206, 68, 19}, {128, 225, 62, 30},
     50, 97, 169, 104, {68, 18, 77, 14}},
    {"zh-CN", u"编辑: 鼠标", u"编辑: 键盘", u"确定", u"取消", u"延迟:", u"毫秒", u"键盘:",
     {72, 206, 46, 19}, {73, 225, 43, 40}, {125, 206, 68, 19}, {128, 225, 62, 30},
     50, 97, 169, 104, {68, 18, 77, 14}},
    {"hu", u"Szerkesztés", u"Szerkesztés: Billentyűzet", u"OK", u"Mégse", u"Késleltetés:", u"ms",
     u"Billentyűzet:",
     {106, 206, 46, 19}, {107, 225, 44, 40}, {157, 206, 64, 19}, {159, 225, 62, 30},
     66, 113, 206, 141, {68, 18, 114, 14}},
};

std::vector<std::string> BuiltEditions() {
  std::vector<std::string> editions;
  std::string all = MIREL_BUILT_EDITIONS;
  for (std::size_t at = 0; at <= all.size();) {
    const std::size_t end = std::min(all.find(',', at), all.size());
    editions.push_back(all.substr(at, end - at));
    at = end + 1;
  }
  return editions;
}

// One edition's program, opened for its resources only.
class CProgramResources {
 public:
  explicit CProgramResources(const std::string& edition)
      : module_(LoadLibraryExA(("bin/" + edition + "/Mirel.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~CProgramResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  CProgramResources(const CProgramResources&) = delete;
  CProgramResources& operator=(const CProgramResources&) = delete;

  bool Loaded() const { return module_ != nullptr; }

  std::optional<SDialogTemplate> Template(int id) const {
    HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (resource == nullptr) return std::nullopt;
    const void* data = LockResource(LoadResource(module_, resource));
    if (data == nullptr) return std::nullopt;
    return ParseDialogTemplate(
        std::span(static_cast<const std::uint8_t*>(data), SizeofResource(module_, resource)));
  }

 private:
  HMODULE module_;
};

const SDialogItem* WithText(const SDialogTemplate& dialog, const char16_t* text) {
  for (const SDialogItem& item : dialog.items) {
    if (item.text == text) return &item;
  }
  return nullptr;
}

std::u16string Lower(std::u16string text) {
  for (char16_t& c : text) c = static_cast<char16_t>(std::towlower(c));
  return text;
}

void ExpectWellFormed(const SDialogTemplate& dialog, const STemplateCase& c) {
  for (std::uint32_t id : c.controls) EXPECT_NE(dialog.Find(id), nullptr) << "control " << id;
  std::set<std::uint32_t> seen;
  for (const SDialogItem& item : dialog.items) {
    SCOPED_TRACE(item.id);
    if (item.id != kNoId) {
      EXPECT_TRUE(seen.insert(item.id).second) << "id used twice";
    }
    EXPECT_GE(item.rect.x, 0);
    EXPECT_GE(item.rect.y, 0);
    EXPECT_LE(item.rect.x + item.rect.cx, dialog.rect.cx);
    // A combo box's height is that of its open list.
    if (item.classOrdinal != kComboBox) {
      EXPECT_LE(item.rect.y + item.rect.cy, dialog.rect.cy);
    }
  }
}

void ExpectEditionTexts(const SDialogTemplate& dialog, const SEditionCase& e) {
  for (const char16_t* text : {e.delay, e.unit}) {
    EXPECT_NE(WithText(dialog, text), nullptr);
  }
  ASSERT_NE(dialog.Find(IDOK), nullptr);
  EXPECT_EQ(dialog.Find(IDOK)->text, e.ok);
  EXPECT_EQ(dialog.Find(IDCANCEL)->text, e.cancel);
}

void ExpectEdition(const CProgramResources& program, const SEditionCase& e) {
  const auto form = program.Template(IDD_SCRIPT_FORM);
  ASSERT_TRUE(form.has_value());
  EXPECT_EQ(form->Find(IDC_TICK_BUTTON)->rect, e.tickButton);
  EXPECT_EQ(form->Find(IDC_TICK_LIST)->rect, e.tickList);
  EXPECT_EQ(form->Find(IDC_MODE_BUTTON)->rect, e.modeButton);
  EXPECT_EQ(form->Find(IDC_MODE_LIST)->rect, e.modeList);
  EXPECT_EQ(Lower(form->Find(IDC_RECORDING_AREA)->className), u"mirel-smartin-dialog");

  const auto mouse = program.Template(IDD_EDIT_MOUSE);
  ASSERT_TRUE(mouse.has_value());
  EXPECT_EQ(mouse->title, e.mouseTitle);
  ExpectEditionTexts(*mouse, e);
  EXPECT_EQ(mouse->rect.cx, 160);
  EXPECT_EQ(mouse->Find(IDC_DELAY)->rect.x, e.mouseDelayX);
  ASSERT_NE(WithText(*mouse, e.unit), nullptr);
  EXPECT_EQ(WithText(*mouse, e.unit)->rect.x, e.mouseUnitX);

  const auto key = program.Template(IDD_EDIT_KEY);
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(key->title, e.keyTitle);
  ExpectEditionTexts(*key, e);
  EXPECT_NE(WithText(*key, e.key), nullptr);
  EXPECT_EQ(key->rect.cx, e.keyWidth);
  EXPECT_EQ(key->Find(IDCANCEL)->rect.x, e.keyCancelX);
  EXPECT_EQ(key->Find(IDC_KEY_FIELD)->rect, e.keyField);
  EXPECT_EQ(Lower(key->Find(IDC_KEY_FIELD)->className), u"mirel-cmdlst-input");
}

TEST(EditionTemplatesTest, EveryEditionCarriesItsEditorAndInstructionTemplates) {
  for (const std::string& folder : BuiltEditions()) {
    SCOPED_TRACE(folder);
    const SEditionCase* edition = nullptr;
    for (const SEditionCase& e : kEditions) {
      if (folder == e.folder) edition = &e;
    }
    ASSERT_NE(edition, nullptr);
    CProgramResources program(folder);
    ASSERT_TRUE(program.Loaded());
    for (const STemplateCase& c : kTemplates) {
      SCOPED_TRACE(c.id);
      const auto dialog = program.Template(c.id);
      ASSERT_TRUE(dialog.has_value());
      ExpectWellFormed(*dialog, c);
      if (c.title != nullptr) {
        EXPECT_EQ(dialog->title, c.title);
      }
    }
    ExpectEdition(program, *edition);
  }
}

}  // namespace
