// Profiles exported to files and imported from them, through the export
// box and the open-file dialog, between virtual mice: what is written,
// what arrives, and what a refused file or a failed write leaves alone.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/RegistryStore.h"
#include "config/RegisterMap.h"
#include "tests/support/MainFormRig.h"
#include "tests/support/TestEdition.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::wstring kMirel = L"C:\\Users\\ann\\Documents\\Mirel";
const std::wstring kLibrary = kMirel + L"\\Library";
const std::wstring kImages = kMirel + L"\\Images";
const std::wstring kStick = L"D:\\Stick";

class ProfileFileScenario : public ::testing::Test {
 protected:
  // A copy of every file of `from` below `folder` into `to`'s folder `into`.
  static void Carry(FormRig& from, const std::wstring& folder, FormRig& to,
                    const std::wstring& into) {
    for (const auto& [path, bytes] : from.files.contents) {
      if (path.rfind(folder + L"\\", 0) == 0)
        to.files.Put(into + path.substr(folder.size()), bytes);
    }
  }
  static std::wstring UserLibraryPath(FormRig& rig) {
    CRegistryStore registry(rig.settings);
    std::wstring folder;
    registry.GetString(L"User Library Path", folder, 1025);
    return folder;
  }
  // Exports `profile` of the source under `name` in the shown folder.
  void Export(int profile, const std::wstring& name) {
    source.Load(profile);
    source.view.exportAnswers.push_back({name, std::nullopt});
    source.form.ExportProfile();
  }

  ScopedEdition edition{EditionId::TraditionalChinese};
  FormRig source;
  FormRig target;
};

// Profile 3 runs scripts 0 and 5, has macros, its own sensitivity, its
// flag bit, a name and a picture.
void PrepareProfile3(FormRig& rig) {
  VirtualMirel& mouse = rig.mouse;
  mouse.SetRegister(FunctionCodeRegister(3, 0), 7);
  mouse.SetRegister(FunctionCodeRegister(3, 5), 12);
  for (int i = 0; i < 768; ++i) mouse.SetRegister(0xF00 + i, static_cast<std::uint8_t>(i * 3 + 1));
  mouse.SetRegister(0xAA, 2);
  mouse.SetRegister(0x1200, 4);  // script 0: four bytes
  mouse.SetRegister(0x1201, 0);
  mouse.SetRegister(0x1202, 9);
  for (int i = 0; i < 4; ++i) mouse.SetRegister(0x100 + i, static_cast<std::uint8_t>(0x40 + i));
  mouse.SetRegister(0xAF, 1);
  mouse.SetRegister(0x120F, 0x00);  // script 5: 512 bytes, its whole capacity
  mouse.SetRegister(0x1210, 0x02);
  for (int i = 0; i < 512; ++i) mouse.SetRegister(0x700 + i, static_cast<std::uint8_t>(i ^ 0x5A));
  for (int i = 0; i < 9; ++i)
    mouse.SetRegister(SensitivityExtensionRegisters(3)[static_cast<std::size_t>(i)],
                      static_cast<std::uint8_t>(0x30 + i));
  mouse.SetRegister(0xA6, 0x80);
}

void NameAndPicture(FormRig& rig, int profile) {
  rig.files.Put(L"C:\\Pics\\cat.png", {0x89, 'P', 'N', 'G'});
  rig.form.Looks().SetProfileName(profile, L"Sniper");
  rig.form.Looks().SetProfilePicture(profile, L"cat.png", L"C:\\Pics\\cat.png");
}

TEST_F(ProfileFileScenario, ExportedProfileArrivesInAnotherMouseAndProfile) {
  PrepareProfile3(source);
  source.Load(3);
  NameAndPicture(source, 3);
  source.view.exportAnswers.push_back({L"sniper", std::nullopt});
  source.form.ExportProfile();
  EXPECT_EQ(source.view.boxes.at(0).kind, 348);
  EXPECT_EQ(source.view.exportBoxes.at(0).name, L"Sniper");
  EXPECT_EQ(source.view.exportBoxes.at(0).folder, kLibrary);
  EXPECT_TRUE(source.files.FileExists(kLibrary + L"\\sniper.POF"));
  EXPECT_TRUE(source.files.FileExists(kLibrary + L"\\sniper.ATT"));
  EXPECT_TRUE(source.files.FileExists(kLibrary + L"\\cat.png"));
  EXPECT_EQ(UserLibraryPath(source), kLibrary);

  Carry(source, kLibrary, target, kStick);
  target.Load(1);
  target.view.chosenFiles.push_back(kStick + L"\\sniper.POF");
  target.form.ImportProfileFromDialog();
  EXPECT_EQ(target.view.openFileFolders, std::vector<std::wstring>{kLibrary});
  EXPECT_EQ(target.view.openFileFrameButtons, std::vector<bool>{false});
  EXPECT_EQ(target.view.boxes.back().kind, 349);
  EXPECT_TRUE(target.view.stopMessages.empty());

  const VirtualMirel& a = source.mouse;
  const VirtualMirel& b = target.mouse;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(b.Register(7 + i), a.Register(107 + i)) << i;
  for (int i = 0; i < 768; ++i) EXPECT_EQ(b.Register(0x900 + i), a.Register(0xF00 + i)) << i;
  for (int r : {0xAA, 0x1200, 0x1201, 0x1202, 0xAF, 0x120F, 0x1210, 0x1211})
    EXPECT_EQ(b.Register(r), a.Register(r)) << r;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(b.Register(0x100 + i), a.Register(0x100 + i)) << i;
  for (int i = 0; i < 512; ++i) EXPECT_EQ(b.Register(0x700 + i), a.Register(0x700 + i)) << i;
  // The sensitivity as the source's display left it in its cache.
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(b.Register(SensitivityExtensionRegisters(1)[i]),
              source.form.Protocol().Entry(SensitivityExtensionRegisters(3)[i]).value)
        << i;
  }
  EXPECT_EQ(target.form.Protocol().Entry(0xA6).value & 0x20, 0x20);

  EXPECT_EQ(target.form.Looks().Name(1), L"Sniper");
  EXPECT_EQ(target.form.Looks().PictureName(1), L"cat.png");
  EXPECT_EQ(target.files.contents[kImages + L"\\cat.png"], (Bytes{0x89, 'P', 'N', 'G'}));
}

TEST_F(ProfileFileScenario, StandardProfileExportsItsFixedImage) {
  Export(0, L"standard");
  EXPECT_TRUE(source.view.boxes.empty());  // nothing to read from the mouse
  EXPECT_EQ(source.mouse.GetCalls(), 0);

  // Header: version 4, payload 827 = 50 + 768 + 9, no flag, no scripts.
  Bytes golden{0x6D, 0x54, 0x04, 0x3B, 0x03, 0x00, 0x00};
  const std::map<int, std::uint8_t> fixed{
      {7, 1},     {8, 1},     {9, 1},     {10, 1},    {11, 1},    {12, 0x11},
      {13, 0x12}, {14, 0x04}, {17, 0x01}, {21, 0x02}, {25, 0x04}, {29, 0x08},
      {33, 0x10}, {45, 0x01}, {46, 0x03}, {47, 0x03}, {48, 0x01}};
  for (int offset = 7; offset < 57; ++offset)
    golden.push_back(fixed.count(offset) ? fixed.at(offset) : 0);
  golden.resize(golden.size() + 768, 0);
  for (int r : {0x00, 0x01, 0x02, 0x03, 0x04, 0x122D, 0x122E, 0x122F, 0x1230})
    golden.push_back(static_cast<std::uint8_t>(source.form.Protocol().Entry(r).value));
  EXPECT_EQ(source.files.contents[kLibrary + L"\\standard.POF"], golden);
  // The attachment: the name "一般" and no picture (n2 = 1).
  EXPECT_EQ(source.files.contents[kLibrary + L"\\standard.ATT"],
            (Bytes{0x2B, 0x0E, 3, 1, 0x00, 0x4E, 0x2C, 0x82, 0, 0, 0, 0}));
}

TEST_F(ProfileFileScenario, AVersion2FileLeavesTheSensitivityAlone) {
  PrepareProfile3(source);
  source.Load(3);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  Bytes file = source.FileOf(3);
  file[2] = 2;
  file.resize(file.size() - 9);
  file[3] = static_cast<std::uint8_t>((file.size() - 7) & 0xFF);
  file[4] = static_cast<std::uint8_t>((file.size() - 7) >> 8);
  target.files.Put(kStick + L"\\old.POF", file);
  for (int r : SensitivityExtensionRegisters(2)) target.mouse.SetRegister(r, 0x77);
  target.Load(2);
  std::vector<int> before;
  for (int r : SensitivityExtensionRegisters(2))
    before.push_back(target.form.Protocol().Entry(r).value);
  ASSERT_EQ(target.form.ImportProfile(kStick + L"\\old.POF"), 1);
  std::vector<int> after;
  for (int r : SensitivityExtensionRegisters(2))
    after.push_back(target.form.Protocol().Entry(r).value);
  EXPECT_EQ(after, before);
  EXPECT_EQ(target.mouse.Register(FunctionCodeRegister(2, 5)), 12);
  EXPECT_EQ(target.mouse.Register(0x700 + 511), (511 ^ 0x5A) & 0xFF);
}

TEST_F(ProfileFileScenario, ImportingIntoTheStandardProfileSendsNothing) {
  PrepareProfile3(source);
  Export(3, L"p3");
  Carry(source, kLibrary, target, kStick);
  target.Load(0);
  const auto before = target.mouse.Registers();
  ASSERT_EQ(target.form.ImportProfile(kStick + L"\\p3.POF"), 1);
  EXPECT_EQ(target.mouse.Registers(), before);
  // Only the scripts and the standard profile's sensitivity change.
  EXPECT_EQ(target.form.Protocol().Entry(0x700).value, 0x5A);
  EXPECT_EQ(target.form.Protocol().Entry(0x00).value, 0x30);
  EXPECT_FALSE(target.form.Protocol().Entry(ButtonBlockBase(3)).changed);
  EXPECT_EQ(target.form.Looks().Name(0), L"一般");
}

struct RefusedFile {
  const char* what;
  std::function<void(Bytes&)> spoil;  // of a good file of profile 3
  bool bad = true;                    // the message: bad format, else location
};

void SetPayloadLength(Bytes& file, std::size_t length) {
  file[3] = static_cast<std::uint8_t>(length & 0xFF);
  file[4] = static_cast<std::uint8_t>(length >> 8);
}

TEST_F(ProfileFileScenario, RefusedFilesChangeNothing) {
  PrepareProfile3(source);
  source.Load(3);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  const Bytes good = source.FileOf(3);
  ASSERT_EQ(good.size(), 7u + 50 + 768 + (4 + 4) + (4 + 512) + 9);
  const std::vector<RefusedFile> cases{
      {"missing", nullptr, false},
      {"empty", [](Bytes& f) { f.clear(); }},
      {"header cut short", [](Bytes& f) { f.resize(6); }},
      {"wrong magic", [](Bytes& f) { f[1] = 'X'; }},
      {"version 3", [](Bytes& f) { f[2] = 3; }},
      {"payload beyond the buffer", [](Bytes& f) { SetPayloadLength(f, 8186); }},
      {"file beyond the buffer", [](Bytes& f) { f.resize(8193); }},
      {"payload cut short", [](Bytes& f) { f.pop_back(); }},
      {"payload shorter than its blocks",
       [](Bytes& f) {
         f.resize(7 + 100);
         SetPayloadLength(f, 100);
       }},
      {"script data cut short",
       [](Bytes& f) {
         f.resize(825 + 8 + 100);
         SetPayloadLength(f, f.size() - 7);
       }},
      {"sensitivity cut short",
       [](Bytes& f) {
         f.resize(f.size() - 3);
         SetPayloadLength(f, f.size() - 7);
       }},
  };
  target.Load(1);
  const std::wstring path = kStick + L"\\bad.POF";
  // A good attachment beside a refused file is never looked at.
  target.files.Put(kStick + L"\\bad.ATT", {0x2B, 0x0E, 2, 0, 'X', 0, 0, 0});
  for (const RefusedFile& c : cases) {
    SCOPED_TRACE(c.what);
    target.files.files.erase(path);
    if (c.spoil) {
      Bytes file = good;
      c.spoil(file);
      target.files.Put(path, file);
    }
    std::vector<SRegisterEntry> cache;
    for (int r = 0; r < 8192; ++r) cache.push_back(target.form.Protocol().Entry(r));
    target.view.stopMessages.clear();
    target.mouse.ClearLog();

    EXPECT_EQ(target.form.ImportProfile(path), 0);
    EXPECT_EQ(
        target.view.stopMessages,
        std::vector<std::wstring>{c.bad ? L"錯誤的檔案格式。" : L"無法找到檔案位置：" + path});
    for (int r = 0; r < 8192; ++r) {
      const SRegisterEntry& now = target.form.Protocol().Entry(r);
      const SRegisterEntry& was = cache[static_cast<std::size_t>(r)];
      ASSERT_TRUE(now.value == was.value && now.changed == was.changed && now.valid == was.valid)
          << r;
    }
    EXPECT_EQ(target.mouse.SetCalls(), 0);
    EXPECT_EQ(target.form.Looks().Name(1), L"設定檔 1");
  }
}

TEST_F(ProfileFileScenario, TypedNamesGetTheExtensionUnlessTheyHoldIt) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* profileFile;
    const wchar_t* attachment;
  };
  const Case cases[] = {
      {L"abc.pof", L"abc.pof.POF", L"abc.pof.ATT"},
      {L"abc", L"abc.POF", L"abc.ATT"},
      {L"abc.POF", L"abc.POF", L"abc.ATT"},
      {L"abc.POF.bak", L"abc.POF.bak", L"abc.POF.ATT"},
  };
  source.Load(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    source.files.files.clear();
    source.view.exportAnswers.push_back({c.typed, std::nullopt});
    ASSERT_EQ(source.form.ExportDialogStep(), 1);
    EXPECT_EQ(source.files.files, (std::set<std::wstring>{kLibrary + L"\\" + c.profileFile,
                                                          kLibrary + L"\\" + c.attachment}));
  }
}

TEST_F(ProfileFileScenario, TheBrowsedFolderIsRememberedForTheNextExport) {
  source.Load(0);
  source.view.exportAnswers.push_back({L"x.POF", L"E:\\Backup"});
  ASSERT_EQ(source.form.ExportDialogStep(), 1);
  EXPECT_TRUE(source.files.FileExists(L"E:\\Backup\\x.POF"));
  EXPECT_EQ(UserLibraryPath(source), L"E:\\Backup");
  EXPECT_EQ(source.form.ExportDialogStep(), 1);  // cancelled
  EXPECT_EQ(source.view.exportBoxes.back().folder, L"E:\\Backup");
}

TEST_F(ProfileFileScenario, DecliningTheOverwriteKeepsTheOldFileAndAsksAgain) {
  source.files.Put(kLibrary + L"\\old.POF", {1, 2, 3});
  source.view.boxAnswers = {2};
  Export(0, L"old.POF");  // then the second export box is cancelled
  ASSERT_EQ(source.view.boxes.size(), 1u);
  EXPECT_EQ(source.view.boxes[0].kind, 350);
  EXPECT_EQ(source.view.boxes[0].text, L"The file existed! Overwrite?");
  EXPECT_EQ(source.files.contents[kLibrary + L"\\old.POF"], (Bytes{1, 2, 3}));
  EXPECT_FALSE(source.files.FileExists(kLibrary + L"\\old.ATT"));
  EXPECT_EQ(source.view.exportBoxes.size(), 2u);

  source.view.boxAnswers = {1};
  source.view.exportAnswers.push_back({L"old.POF", std::nullopt});
  source.form.ExportProfile();
  EXPECT_EQ(source.files.contents[kLibrary + L"\\old.POF"].size(), 7u + 827u);
}

TEST_F(ProfileFileScenario, AFailedWriteKeepsTheOldFileAndAsksAgain) {
  const std::wstring path = kLibrary + L"\\old.POF";
  const std::pair<FileWriteStatus, std::wstring> cases[] = {
      {FileWriteStatus::kCannotCreate, L"無法找到檔案位置：" + path},
      {FileWriteStatus::kWriteFailed, L"寫入失敗。"},
  };
  source.Load(0);
  for (const auto& [fault, message] : cases) {
    source.files.Put(path, {1, 2, 3});
    source.files.writeFault = fault;
    source.view.stopMessages.clear();
    source.view.boxAnswers = {1};
    source.view.exportAnswers.push_back({L"old.POF", std::nullopt});
    EXPECT_EQ(source.form.ExportDialogStep(), 0);
    EXPECT_EQ(source.view.stopMessages, std::vector<std::wstring>{message});
    EXPECT_EQ(source.files.contents[path], (Bytes{1, 2, 3}));
    EXPECT_FALSE(source.form.Busy());
  }
}

TEST_F(ProfileFileScenario, AnOverlongPictureNameIsNotExported) {
  source.Load(1);
  const std::wstring picture = std::wstring(124, L'p') + L".png";  // 128 characters
  source.files.Put(L"C:\\Pics\\" + picture, {1});
  ASSERT_EQ(source.form.Looks().SetProfilePicture(1, picture, L"C:\\Pics\\" + picture), 1);
  Export(1, L"long");
  EXPECT_TRUE(source.files.FileExists(kLibrary + L"\\long.POF"));
  EXPECT_FALSE(source.files.FileExists(kLibrary + L"\\long.ATT"));
  EXPECT_EQ(source.view.stopMessages, std::vector<std::wstring>{L"寫入失敗。"});
  EXPECT_EQ(source.view.exportBoxes.size(), 1u);  // the export itself is done
}

// An attachment naming "picture" under its n2 code units.
Bytes AttachmentNaming(const std::wstring& picture) {
  Bytes file{0x2B, 0x0E, 2, static_cast<std::uint8_t>(picture.size() + 1), 'N', 0, 0, 0};
  for (wchar_t c : picture) {
    file.push_back(static_cast<std::uint8_t>(c));
    file.push_back(0);
  }
  file.insert(file.end(), {0, 0});
  return file;
}

TEST_F(ProfileFileScenario, AttachmentsNameOnlyFilesBesideThem) {
  source.Load(1);
  const Bytes profileFile = source.FileOf(1);
  for (const wchar_t* picture : {L"..\\x.png", L"C:\\x.png", L"C:x.png", L"sub/x.png", L".."}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(picture)));
    FormRig rig;
    rig.Load(1);
    NameAndPicture(rig, 1);
    rig.files.copies.clear();
    for (const wchar_t* bait : {L"D:\\x.png", L"C:\\x.png", L"D:\\Stick\\x.png"})
      rig.files.Put(bait, {7});
    rig.files.Put(kStick + L"\\in.POF", profileFile);
    rig.files.Put(kStick + L"\\in.ATT", AttachmentNaming(picture));
    ASSERT_EQ(rig.form.ImportProfile(kStick + L"\\in.POF"), 1);
    EXPECT_TRUE(rig.files.copies.empty());
    EXPECT_EQ(rig.form.Looks().PictureName(1), L"");
    EXPECT_EQ(rig.form.Looks().Name(1), L"N");
  }
}

TEST_F(ProfileFileScenario, AMissingOrMalformedAttachmentKeepsNameAndPicture) {
  source.Load(1);
  const Bytes profileFile = source.FileOf(1);
  const std::vector<std::pair<const char*, std::optional<Bytes>>> cases{
      {"missing", std::nullopt},
      {"wrong magic", Bytes{0x2B, 0x0F, 1, 1, 0, 0, 0, 0}},
      {"cut short", Bytes{0x2B, 0x0E, 5, 1, 'A', 0}},
  };
  for (const auto& [what, attachment] : cases) {
    SCOPED_TRACE(what);
    FormRig rig;
    rig.Load(1);
    NameAndPicture(rig, 1);
    rig.files.Put(kStick + L"\\in.POF", profileFile);
    if (attachment) rig.files.Put(kStick + L"\\in.ATT", *attachment);
    ASSERT_EQ(rig.form.ImportProfile(kStick + L"\\in.POF"), 1);
    EXPECT_EQ(rig.form.Looks().Name(1), L"Sniper");
    EXPECT_EQ(rig.form.Looks().PictureName(1), L"cat.png");
  }
}

TEST_F(ProfileFileScenario, AnAttachmentWithoutNameOrPictureRestoresTheDefaults) {
  target.Load(2);
  NameAndPicture(target, 2);
  target.files.Put(kStick + L"\\in.POF", target.FileOf(2));
  target.files.Put(kStick + L"\\in.ATT", {0x2B, 0x0E, 0, 1, 0, 0});
  ASSERT_EQ(target.form.ImportProfile(kStick + L"\\in.POF"), 1);
  EXPECT_EQ(target.form.Looks().Name(2), L"設定檔 2");
  EXPECT_EQ(target.form.Looks().PictureName(2), L"");
}

TEST_F(ProfileFileScenario, AnUnfinishedReadFromTheMouseWritesNoFile) {
  for (bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "cancelled" : "failing");
    FormRig rig;
    PrepareProfile3(rig);
    rig.Load(3);
    if (cancel)
      rig.view.boxAnswers = {2};
    else
      ASSERT_TRUE(rig.mouse.SetFault("fail-get", 1000));
    rig.view.exportAnswers.push_back({L"never", std::nullopt});
    rig.form.ExportProfile();
    EXPECT_TRUE(rig.view.exportBoxes.empty());
    EXPECT_FALSE(rig.files.FileExists(kLibrary + L"\\never.POF"));
    EXPECT_FALSE(rig.form.Busy());
  }
}

TEST_F(ProfileFileScenario, AnImportThatCannotReachTheMouseKeepsItsValuesMarked) {
  PrepareProfile3(source);
  source.Load(3);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  const Bytes file = source.FileOf(3);
  for (bool unplugged : {true, false}) {
    SCOPED_TRACE(unplugged ? "unplugged" : "failing");
    FormRig rig;
    rig.Load(1);
    if (unplugged) {
      rig.hid.SetPlugged(rig.mouse, false);
      rig.form.OnDeviceChange(CMainForm::kDeviceRemoveComplete);
    } else {
      ASSERT_TRUE(rig.mouse.SetFault("fail-set", 1000000));
    }
    rig.files.Put(kStick + L"\\in.POF", file);
    EXPECT_EQ(rig.form.ImportProfile(kStick + L"\\in.POF"), 0);
    if (unplugged) {
      EXPECT_EQ(rig.view.stopMessages.back(), L"未連接遊戲滑鼠。");
    }
    for (int i = 0; i < 768; ++i) {
      const SRegisterEntry& entry = rig.form.Protocol().Entry(0x900 + i);
      ASSERT_EQ(entry.value, source.form.Protocol().Entry(0xF00 + i).value) << i;
      ASSERT_TRUE(entry.changed) << i;
    }
    EXPECT_NE(rig.mouse.Register(0x901), source.form.Protocol().Entry(0xF01).value);
    EXPECT_FALSE(rig.form.Busy());
  }
}

}  // namespace
