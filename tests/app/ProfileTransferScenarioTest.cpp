// Carrying a profile from one virtual mouse to another through a profile
// file: what the second mouse holds afterwards, and what a refused file or
// an unready form leaves alone.
#include <gtest/gtest.h>

#include "config/ProfileFile.h"
#include "config/RegisterMap.h"
#include "config/ScriptMap.h"
#include "tests/support/MainFormRig.h"
#include "tests/support/TestEdition.h"

namespace {

class ProfileTransferScenario : public ::testing::Test {
 protected:
  ScopedEdition edition{EditionId::TraditionalChinese};
  FormRig source;
  FormRig target;
};

// Profile 1 of the source runs scripts 1 and 4 and has its own macros.
void PrepareSourceProfile(VirtualMirel& mouse) {
  mouse.SetRegister(FunctionCodeRegister(1, 1), 8);
  mouse.SetRegister(FunctionCodeRegister(1, 4), 11);
  for (int i = 0; i < 768; ++i) mouse.SetRegister(0x900 + i, static_cast<std::uint8_t>(i * 7));
  mouse.SetRegister(0x1203, 5);  // script 1: five bytes
  mouse.SetRegister(0x1204, 0);
  mouse.SetRegister(0x120C, 0x2C);  // script 4: 300 bytes
  mouse.SetRegister(0x120D, 0x01);
  for (int i = 0; i < 300; ++i) mouse.SetRegister(0x500 + i, static_cast<std::uint8_t>(0xA0 + i));
  for (int i = 0; i < 5; ++i) mouse.SetRegister(0x200 + i, static_cast<std::uint8_t>(0x10 + i));
  mouse.SetRegister(0x1213, 0x55);
  mouse.SetRegister(0xA6, 0x20);
}

TEST_F(ProfileTransferScenario, ExportedProfileArrivesInAnotherMouseAndProfile) {
  PrepareSourceProfile(source.mouse);
  source.Load(1);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  EXPECT_EQ(source.view.boxes.back().kind, 348);
  const std::vector<std::uint8_t> file = source.FileOf(1);
  EXPECT_EQ(file[6], 0x12);  // scripts 1 and 4

  target.Load(2);
  ASSERT_EQ(target.form.ApplyProfileFile(file), 1);
  ASSERT_EQ(target.form.WriteImportedProfile(), 1);
  EXPECT_EQ(target.view.boxes.back().kind, 349);
  EXPECT_EQ(target.view.boxes.back().progressRange, 50 + 9 + 768 + (4 + 5) + (4 + 300));

  const VirtualMirel& a = source.mouse;
  const VirtualMirel& b = target.mouse;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(b.Register(57 + i), a.Register(7 + i)) << i;
  for (int i = 0; i < 768; ++i) EXPECT_EQ(b.Register(0xC00 + i), a.Register(0x900 + i)) << i;
  for (int i = 0; i < 300; ++i) EXPECT_EQ(b.Register(0x500 + i), a.Register(0x500 + i)) << i;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(b.Register(0x200 + i), a.Register(0x200 + i)) << i;
  EXPECT_EQ(b.Register(0x121C), 0x55);  // profile 1's first group into profile 2's
  // The profile flag moves to profile 2's bit of 0xA6; the next apply
  // writes it with the active profile.
  EXPECT_EQ(target.form.Protocol().Entry(0xA6).value & 0x40, 0x40);
  EXPECT_TRUE(target.form.Protocol().Entry(0xA6).changed);
  EXPECT_EQ(b.Controls().back(), (SControlCommand{6, 3, 3}));
  EXPECT_FALSE(target.form.Busy());
}

TEST_F(ProfileTransferScenario, StandardProfileReadsNothingFromTheMouse) {
  source.Load(0);
  EXPECT_EQ(source.form.ReadProfileForExport(), 1);
  EXPECT_TRUE(source.form.TransferList().empty());
  EXPECT_TRUE(source.view.boxes.empty());
  EXPECT_EQ(source.mouse.GetCalls(), 0);
}

TEST_F(ProfileTransferScenario, RefusedFileLeavesTheCacheAlone) {
  source.Load(1);
  std::vector<std::uint8_t> file = source.FileOf(1);
  file.resize(file.size() - 3);  // the sensitivity block is cut short
  file[3] = static_cast<std::uint8_t>((file.size() - 7) & 0xFF);
  file[4] = static_cast<std::uint8_t>((file.size() - 7) >> 8);
  target.Load(1);
  EXPECT_EQ(target.form.ApplyProfileFile(file), 0);
  EXPECT_EQ(target.view.stopMessages, std::vector<std::wstring>{L"錯誤的檔案格式。"});
  for (int r = 0; r < 8192; ++r) ASSERT_FALSE(target.form.Protocol().Entry(r).changed) << r;
}

TEST_F(ProfileTransferScenario, TransfersNeedAReadyForm) {
  // Never connected.
  EXPECT_EQ(target.form.StartWriteRegisterList(), 0);
  EXPECT_EQ(target.view.stopMessages.back(), L"未連接遊戲滑鼠。");

  source.Load(1);
  int count = 0;
  for (int group = 0; group < 6; ++group)
    for (int i = 0; i < 4; ++i) source.form.Protocol().SetCachedValue(ParameterRegister(1, group, i), 9);
  ASSERT_EQ(source.form.StartSaveProfile(count), 1);  // a timed save is running
  EXPECT_EQ(source.form.StartReadRegisterList(), 0);
  EXPECT_EQ(source.view.stopMessages.back(), L"請稍候…");
}

}  // namespace
