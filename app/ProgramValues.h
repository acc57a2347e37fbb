// The program's own values under its registry key, each with the default
// it takes when it is absent or unreadable.
#pragma once

#include <cstdint>
#include <string>

#include "app/RegistryStore.h"

inline constexpr const wchar_t* kStartupProfileValue = L"AP Startup Profile";
inline constexpr const wchar_t* kWithTimingValue = L"With Timing";
inline constexpr const wchar_t* kInsertModeValue = L"In Insert Mode";
inline constexpr const wchar_t* kProcessHandleValue = L"Process Handle";
inline constexpr const wchar_t* kUserLibraryPathValue = L"User Library Path";

// "Profile #0".."Profile #3" and "Profile #0 Image".."Profile #3 Image".
std::wstring ProfileNameValue(int profile);
std::wstring ProfilePictureValue(int profile);

class CProgramValues {
 public:
  explicit CProgramValues(CRegistryStore& registry) : registry_(registry) {}

  // The profile shown at start. Absent, unreadable or not a profile (0..3):
  // 0, and 0 is stored, so a bad value cannot select a profile that does
  // not exist.
  int ReadStartupProfile();
  void StoreStartupProfile(int profile);

  // The script editor's options; on only for the value 1.
  bool ReadOption(const wchar_t* name);
  void StoreOption(const wchar_t* name, bool on);

  // Where the hook library posts its requests: the main form's window.
  void PublishWindowHandle(std::uint32_t handle);

  // The folder of the last exported profile file; `libraryFolder` when
  // absent or too long for a path buffer.
  std::wstring ReadUserLibraryPath(const std::wstring& libraryFolder);
  void StoreUserLibraryPath(const std::wstring& folder);

 private:
  CRegistryStore& registry_;
};
