#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "sim/VirtualMirel.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool Set(VirtualMirel& m, Bytes report) { return m.SetFeature(report.data(), report.size()); }

TEST(VirtualMirel, AnswersAReadOnceWithTheEchoedAddress) {
  VirtualMirel mouse(0x0704);
  mouse.SetRegister(0x1234, 0x5A);
  ASSERT_TRUE(Set(mouse, {0x00, 0xDF, 0x34, 0x00, 0x12, 0x00}));
  Bytes answer(6, 0);
  ASSERT_TRUE(mouse.GetFeature(answer.data(), answer.size()));
  EXPECT_EQ(answer, (Bytes{0x00, 0x34, 0x5A, 0x12, 0x00, 0x00}));
  EXPECT_FALSE(mouse.GetFeature(answer.data(), answer.size()));  // nothing asked for

  mouse.SetFault("wrong-echo", 1);
  ASSERT_TRUE(Set(mouse, {0x00, 0xDF, 0x34, 0x00, 0x12, 0x00}));
  ASSERT_TRUE(mouse.GetFeature(answer.data(), answer.size()));
  EXPECT_NE(answer[1] | (answer[3] << 8), 0x1234);
}

TEST(VirtualMirel, RefusesMalformedReports) {
  VirtualMirel mouse(0x0704);
  const Bytes refused[] = {
      {0x00, 0xDE, 0x10, 0x01, 0x00},                    // too short for this controller
      {0x00, 0xDE, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00},  // too long
      {0x01, 0xDE, 0x10, 0x01, 0x00, 0x00},              // numbered report
      {0x00, 0xDD, 0x10, 0x01, 0x00, 0x00},              // unknown command
      {0x00, 0xDE, 0x00, 0x01, 0x20, 0x00},              // address 0x2000: beyond the space
  };
  for (const Bytes& r : refused) EXPECT_FALSE(Set(mouse, r));
  EXPECT_EQ(mouse.Registers(), FactoryImage(0x0704));
  EXPECT_TRUE(mouse.Controls().empty());
  EXPECT_EQ(mouse.ReceivedReports().size(), std::size(refused));

  VirtualMirel nine(0x1201);
  EXPECT_TRUE(Set(nine, {0x00, 0xDE, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST(VirtualMirel, LogsControlCommands) {
  VirtualMirel mouse(0x0704);
  ASSERT_TRUE(Set(mouse, {0x00, 0xC4, 5, 0, 0, 0}));
  ASSERT_TRUE(Set(mouse, {0x00, 0xC4, 6, 1, 2, 0}));
  EXPECT_EQ(mouse.Controls(), (std::vector<SControlCommand>{{5, 0, 0}, {6, 1, 2}}));
}

TEST(VirtualMirel, FaultsByName) {
  VirtualMirel mouse(0x0704);
  for (const char* name : {"fail-set", "fail-get", "wrong-echo", "fail-open", "latency-ms"}) {
    EXPECT_TRUE(mouse.SetFault(name, 2)) << name;
  }
  EXPECT_FALSE(mouse.SetFault("unplug-later", 1));
  EXPECT_FALSE(mouse.SetFault("fail-set", -1));
  EXPECT_TRUE(mouse.TakeOpenFault());
  EXPECT_TRUE(mouse.TakeOpenFault());
  EXPECT_FALSE(mouse.TakeOpenFault());
  EXPECT_EQ(mouse.Faults().latency, std::chrono::milliseconds(2));
}

class StateFile : public ::testing::Test {
 protected:
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("mirel-state-" + std::string(::testing::UnitTest::GetInstance()
                                                                ->current_test_info()
                                                                ->name()));
  std::filesystem::path file = dir / "mouse.state";

  void SetUp() override {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  void WriteFile(const Bytes& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Bytes ReadFile() {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(StateFile, KeepsWrittenRegistersAcrossRuns) {
  {
    VirtualMirel first(0x0704);
    ASSERT_EQ(first.AttachStateFile(file), std::nullopt);
    ASSERT_TRUE(std::filesystem::exists(file));
    ASSERT_TRUE(Set(first, {0x00, 0xDE, 0xA6, 0x12, 0x00, 0x00}));
  }
  VirtualMirel second(0x0704);
  ASSERT_EQ(second.AttachStateFile(file), std::nullopt);
  EXPECT_EQ(second.Register(0xA6), 0x12);
  EXPECT_EQ(second.Register(0xBA), 0x6D);
}

TEST_F(StateFile, ForeignOrDamagedFilesAreNeitherLoadedNorOverwritten) {
  VirtualMirel good(0x0704);
  ASSERT_TRUE(good.SaveState(file));
  Bytes valid = ReadFile();
  Bytes truncated(valid.begin(), valid.end() - 1);
  Bytes extended = valid;
  extended.push_back(0);
  Bytes wrongMagic = valid;
  wrongMagic[0] = 'X';
  for (const Bytes& content : {Bytes{}, truncated, extended, wrongMagic, Bytes(20000, 0x41)}) {
    WriteFile(content);
    VirtualMirel mouse(0x0704);
    const auto failure = mouse.AttachStateFile(file);
    ASSERT_TRUE(failure.has_value()) << content.size();
    EXPECT_NE(failure->find(file.string()), std::string::npos);
    EXPECT_TRUE(Set(mouse, {0x00, 0xDE, 0xA6, 0x12, 0x00, 0x00}));
    EXPECT_EQ(ReadFile(), content);
    EXPECT_EQ(mouse.Register(0xA7), FactoryImage(0x0704)[0xA7]);
  }
}

}  // namespace
