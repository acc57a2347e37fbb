// Reads back the version resource of each edition's executable.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowsTestSupportWin32.h"

namespace {

struct VersionCase {
  const char* exeVariable;
  WORD language;
};

const VersionCase kCases[] = {
    {"MIREL_EXE_ZH_TW", 0x0404},
    {"MIREL_EXE_ZH_CN", 0x0804},
    {"MIREL_EXE_HU", 0x040E},
};

std::wstring StringValue(const std::vector<BYTE>& data, WORD language, const wchar_t* name) {
  wchar_t path[128];
  swprintf(path, 128, L"\\StringFileInfo\\%04x04e4\\%ls", language, name);
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), path, &value, &length) || length == 0) return L"";
  return static_cast<const wchar_t*>(value);
}

TEST(VersionResource, EveryEditionCarriesItsVersion) {
  for (const VersionCase& c : kCases) {
    std::wstring exe = PathFromEnvironment(c.exeVariable);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << c.exeVariable;
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00000007u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010001u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], c.language) << c.exeVariable;
    EXPECT_EQ(translation[1], 1252);

    EXPECT_EQ(StringValue(data, c.language, L"OriginalFilename"), L"Mirel.exe");
    EXPECT_EQ(StringValue(data, c.language, L"FileVersion"), L"1.0.0.1");
    EXPECT_EQ(StringValue(data, c.language, L"ProductVersion"), L"0.7.1.1");
    EXPECT_NE(StringValue(data, c.language, L"ProductName"), L"");
  }
}

}  // namespace
