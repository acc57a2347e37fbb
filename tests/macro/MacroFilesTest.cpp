#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "macro/MacroFiles.h"
#include "macro/TickPresets.h"
#include "tests/support/TestEdition.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class RecordingMessages : public MessagePort {
 public:
  void ShowMessage(int number, const std::wstring& suffix) override {
    shown.push_back({number, suffix});
  }
  std::vector<std::pair<int, std::wstring>> shown;
};

class MacroFiles : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("mirel-macro-files-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::wstring Path(const char* name) const { return (dir_ / name).wstring(); }

  static void Write(const std::wstring& path, const Bytes& bytes) {
    std::ofstream(fs::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static Bytes Read(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  fs::path dir_;
  RecordingMessages messages_;
  ScopedEdition edition_{EditionId::TraditionalChinese};
};

std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    const unsigned u = unsigned(c);
    if (u < 0x80) {
      out += char(u);
    } else if (u < 0x800) {
      out += char(0xC0 | (u >> 6));
      out += char(0x80 | (u & 0x3F));
    } else {
      out += char(0xE0 | (u >> 12));
      out += char(0x80 | ((u >> 6) & 0x3F));
      out += char(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// The loaded list as the editor shows it: tick and mode, then one line per
// row with its number, text and delay.
std::string Rendering(const CSkinLVCmdList& list, const MacroFileSettings& settings) {
  std::string text = "tick " + std::to_string(list.TickLength()) + "ms, mode " +
                     std::to_string(settings.modeIndex) + "\n";
  for (int row = 0; row < list.RowCount(); ++row)
    text += std::to_string(row + 1) + "\t" + Utf8(list.Row(row).text) + "\t" +
            std::to_string(list.Row(row).delay * list.TickLength()) + Utf8(L"毫秒") + "\n";
  return text;
}

struct GoldenCase {
  const char* name;
  const char* file;
  MacroFileKind kind;
  int capacity;
  bool savesBack;  // saving again gives the same bytes
};

const GoldenCase kGoldenCases[] = {
    {"shoot_macro", "shoot_macro.mac", MacroFileKind::Macro, 125, true},
    {"script_jumps", "script_jumps.sh", MacroFileKind::Script, 256, true},
    {"cut_macro", "cut_macro.mac", MacroFileKind::Macro, 125, false},
    {"odd_tick", "odd_tick.sh", MacroFileKind::Script, 512, false},
};

TEST_F(MacroFiles, GoldenFiles) {
  for (const GoldenCase& c : kGoldenCases) {
    const fs::path data = fs::path(MIREL_MACRO_TEST_DATA) / c.file;
    const fs::path expected = fs::path(MIREL_MACRO_TEST_DATA) / (std::string(c.name) + ".txt");
    ASSERT_TRUE(fs::exists(data)) << data;
    ASSERT_TRUE(fs::exists(expected)) << expected;
    CSkinLVCmdList list;
    list.SetCapacity(c.capacity);
    auto settings = LoadMacroFile(data.wstring(), c.kind, list, messages_);
    ASSERT_TRUE(settings) << c.name;
    std::ifstream in(expected, std::ios::binary);
    EXPECT_EQ(Rendering(list, *settings), std::string(std::istreambuf_iterator<char>(in), {})) << c.name;
    if (!c.savesBack) continue;
    ASSERT_TRUE(SaveMacroFile(Path("again"), c.kind, list, settings->tickPresetIndex,
                              settings->modeIndex, messages_));
    EXPECT_EQ(Read(Path("again")), Read(data.wstring())) << c.name;
  }
  EXPECT_TRUE(messages_.shown.empty());
}

struct RefusalCase {
  const char* name;
  MacroFileKind kind;
  Bytes file;
};

const RefusalCase kRefusals[] = {
    {"script file loaded as a macro", MacroFileKind::Macro, {0x6D, 0x54, 0x00, 0x01, 0x00, 0x01, 0x40, 0x04}},
    {"macro file loaded as a script", MacroFileKind::Script, {0x6D, 0x54, 0x01, 0x01, 0x50, 0x01, 0x04}},
    {"wrong magic", MacroFileKind::Macro, {0x6D, 0x55, 0x01, 0x01, 0x50, 0x01, 0x04}},
    {"short header", MacroFileKind::Script, {0x6D, 0x54, 0x00, 0x01, 0x00, 0x01}},
    {"empty file", MacroFileKind::Macro, {}},
    {"fewer command bytes than stated", MacroFileKind::Macro, {0x6D, 0x54, 0x01, 0x03, 0x50, 0x01, 0x04, 0x05}},
};

TEST_F(MacroFiles, BadFilesAreRefusedAndTheListKept) {
  for (const RefusalCase& c : kRefusals) {
    Write(Path("bad"), c.file);
    CSkinLVCmdList list;
    list.SetCapacity(125);
    list.AppendCommand(0x2C);
    messages_.shown.clear();
    EXPECT_FALSE(LoadMacroFile(Path("bad"), c.kind, list, messages_)) << c.name;
    ASSERT_EQ(messages_.shown.size(), 1u) << c.name;
    EXPECT_EQ(messages_.shown[0].first, 6) << c.name;
    EXPECT_EQ(list.RowCount(), 1) << c.name;
  }
}

TEST_F(MacroFiles, MissingFileNamesThePath) {
  CSkinLVCmdList list;
  EXPECT_FALSE(LoadMacroFile(Path("absent.mac"), MacroFileKind::Macro, list, messages_));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0], std::make_pair(5, Path("absent.mac")));
}

TEST_F(MacroFiles, LongScriptStatesItsLengthInElevenBits) {
  CSkinLVCmdList list;
  list.SetCapacity(512);
  for (int i = 0; i < 300; ++i) list.AppendCommand(0x04);
  ASSERT_TRUE(SaveMacroFile(Path("long.sh"), MacroFileKind::Script, list, 1, 2, messages_));
  const Bytes file = Read(Path("long.sh"));
  ASSERT_EQ(file.size(), 307u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 7), (Bytes{0x6D, 0x54, 0x00, 0x2C, 0x01, 0x02, 0x70}));
}

TEST_F(MacroFiles, ScriptLongerThanTheListIsCutToItsCapacity) {
  Bytes file = {0x6D, 0x54, 0x00, 0xFF, 0x07, 0x01, 0x40};
  file.resize(7 + 2047, 0x04);
  Write(Path("huge.sh"), file);
  CSkinLVCmdList list;
  list.SetCapacity(512);
  ASSERT_TRUE(LoadMacroFile(Path("huge.sh"), MacroFileKind::Script, list, messages_));
  EXPECT_EQ(list.RowCount(), 512);
  EXPECT_EQ(list.UsedBytes(), 512);
}

TEST_F(MacroFiles, SelectionsOutsideTheListsSaveAsDefaults) {
  CSkinLVCmdList list;
  list.SetCapacity(125);
  ASSERT_TRUE(SaveMacroFile(Path("d.mac"), MacroFileKind::Macro, list, 99, -1, messages_));
  EXPECT_EQ(Read(Path("d.mac")), (Bytes{0x6D, 0x54, 0x01, 0x00, 0x40, 0x01}));
}

TEST_F(MacroFiles, FailedSaveLeavesTheOldFile) {
  CSkinLVCmdList list;
  list.SetCapacity(125);
  list.AppendCommand(0x04);
  Write(Path("keep.mac"), {0x6D, 0x54, 0x01, 0x00, 0x50, 0x01});
  fs::create_directory(dir_ / "keep.mac.part");
  EXPECT_FALSE(SaveMacroFile(Path("keep.mac"), MacroFileKind::Macro, list, 0, 1, messages_));
  EXPECT_EQ(Read(Path("keep.mac")), (Bytes{0x6D, 0x54, 0x01, 0x00, 0x50, 0x01}));
  fs::remove(dir_ / "keep.mac.part");
  fs::create_directory(dir_ / "folder.mac");
  EXPECT_FALSE(SaveMacroFile(Path("folder.mac"), MacroFileKind::Macro, list, 0, 1, messages_));
  EXPECT_FALSE(fs::exists(dir_ / "folder.mac.part"));
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown[0], std::make_pair(5, Path("keep.mac")));
  EXPECT_EQ(messages_.shown[1].first, 21);
}

TEST_F(MacroFiles, UnwritableFolderNamesThePath) {
  CSkinLVCmdList list;
  EXPECT_FALSE(SaveMacroFile(Path("no/such/folder.mac"), MacroFileKind::Macro, list, 0, 0, messages_));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].first, 5);
}

TEST(TickPresets, StoredValuesSelectPresetsAndModes) {
  EXPECT_EQ(TickPresetIndexOf(17), 12);
  EXPECT_EQ(TickUnitsOf(12) * kMsPerTickUnit, 204);
  for (int units : {0, 13, 64, 255}) EXPECT_EQ(TickPresetIndexOf(units), 0) << units;
  EXPECT_EQ(TickUnitsOf(-1), 1);
  EXPECT_EQ(TickUnitsOf(kTickPresetCount), 1);
  EXPECT_EQ(ModeIndexOfByte(0x50), 1);
  EXPECT_EQ(ModeIndexOfByte(0xF0), 2);
  EXPECT_EQ(ModeIndexOfByte(0x60), 0);
  EXPECT_EQ(ModeByteOf(2), 0x70);
}

}  // namespace
