// Carrying a profile from one virtual mouse to another through a profile
// file: what the second mouse holds afterwards, what a write failing
// half-way leaves in it, and what a refused file or an unready form leaves
// alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/FormIds.h"
#include "config/ProfileFile.h"
#include "config/RegisterMap.h"
#include "config/ScriptMap.h"
#include "config/UploadArea.h"
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

// Profile 2 of the target holds other macros and shorter scripts 1 and 4
// than the source's profile 1, none of their bytes alike.
void PrepareTargetProfile(VirtualMirel& mouse) {
  for (int i = 0; i < 768; ++i) mouse.SetRegister(0xC00 + i, static_cast<std::uint8_t>(i * 7 + 1));
  mouse.SetRegister(0x1203, 2);
  for (int i = 0; i < 5; ++i) mouse.SetRegister(0x200 + i, static_cast<std::uint8_t>(0x80 + i));
  mouse.SetRegister(0x120C, 0x10);
  for (int i = 0; i < 300; ++i) mouse.SetRegister(0x500 + i, static_cast<std::uint8_t>(0xA1 + i));
}

// The macro areas of profile 2 and the scripts the source's profile runs.
std::vector<UploadArea> ImportedAreas() {
  std::vector<UploadArea> areas;
  for (int m = 6; m < 12; ++m) areas.push_back(*MacroArea(m));
  for (int s : {1, 4}) areas.push_back(*ScriptArea(s));
  return areas;
}

// Once any of an area's header registers has left its old value, every
// byte the import brings for it is in the mouse.
void ExpectNoNewHeaderOverOldBytes(FormRig& rig, const RegisterImage& before,
                                   const UploadArea& area) {
  std::vector<int> header{area.lengthLow, area.mode, area.delayUnits};
  if (!area.IsMacro()) header.push_back(area.lengthHigh);
  const bool headerMoved = std::any_of(header.begin(), header.end(), [&](int r) {
    return rig.mouse.Register(r) != before[static_cast<std::size_t>(r)];
  });
  if (!headerMoved) return;
  const CIcGM06Vx& cache = rig.form.Protocol();
  const int high = area.IsMacro() ? 0 : cache.Entry(area.lengthHigh).value;
  const int count = area.IsMacro() ? area.capacity : cache.Entry(area.lengthLow).value + 256 * high;
  for (int r = area.dataStart; r < area.dataStart + count; ++r)
    ASSERT_EQ(static_cast<int>(rig.mouse.Register(r)), cache.Entry(r).value) << std::hex << r;
}

// Wherever the write stops (the mouse refusing every write from that tick
// on), no macro or script plays a new length over its old bytes.
TEST_F(ProfileTransferScenario, ImportFailingHalfWayNeverLeavesANewLengthOverOldBytes) {
  PrepareSourceProfile(source.mouse);
  source.Load(1);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  const std::vector<std::uint8_t> file = source.FileOf(1);
  const int registersWritten = 50 + 9 + 768 + (4 + 5) + (4 + 300);
  for (int stopAt = 1; stopAt < registersWritten; stopAt += 23) {
    SCOPED_TRACE(stopAt);
    FormRig rig;
    PrepareTargetProfile(rig.mouse);
    rig.Load(2);
    const RegisterImage before = rig.mouse.Registers();
    int ticks = 0;
    rig.view.onTimer = [&](int id) {
      if (id == timer_id::kWriteList && ++ticks == stopAt) rig.mouse.SetFault("fail-set", 1000000);
      rig.form.OnTimer(id);
    };
    ASSERT_EQ(rig.form.ApplyProfileFile(file), 1);
    EXPECT_EQ(rig.form.WriteImportedProfile(), 0);
    EXPECT_EQ(rig.view.boxes.back().closedWith, 2);
    for (const UploadArea& area : ImportedAreas()) ExpectNoNewHeaderOverOldBytes(rig, before, area);
    EXPECT_FALSE(rig.form.Busy());
  }
}

// Each register the file changed is written once; what it left as it was
// costs no transfer.
TEST_F(ProfileTransferScenario, ImportWritesEachChangedRegisterOnce) {
  PrepareSourceProfile(source.mouse);
  source.Load(1);
  ASSERT_EQ(source.form.ReadProfileForExport(), 1);
  PrepareTargetProfile(target.mouse);
  target.Load(2);
  ASSERT_EQ(target.form.ApplyProfileFile(source.FileOf(1)), 1);
  std::vector<int> changed;
  for (int r = 0; r < 8192; ++r)
    if (r != kProfileRegister && target.form.Protocol().Entry(r).changed) changed.push_back(r);
  ASSERT_EQ(target.form.WriteImportedProfile(), 1);

  std::vector<int> written;
  for (const auto& report : target.mouse.ReceivedReports())
    if (report.size() > 4 && report[1] == 0xDE) written.push_back(report[2] | report[4] << 8);
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, changed);
  EXPECT_EQ(target.view.boxes.back().progressRange,
            static_cast<int>(target.form.TransferList().size()));
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
