#include "app/ProgramValues.h"

#include "app/DataFolders.h"

std::wstring ProfileNameValue(int profile) { return L"Profile #" + std::to_wstring(profile); }

std::wstring ProfilePictureValue(int profile) { return ProfileNameValue(profile) + L" Image"; }

int CProgramValues::ReadStartupProfile() {
  const int profile = registry_.GetDword(kStartupProfileValue);
  if (profile >= 0 && profile <= 3) return profile;
  registry_.SetDword(kStartupProfileValue, 0);
  return 0;
}

void CProgramValues::StoreStartupProfile(int profile) {
  registry_.SetDword(kStartupProfileValue, static_cast<std::uint32_t>(profile));
}

bool CProgramValues::ReadOption(const wchar_t* name) { return registry_.GetDword(name) == 1; }

void CProgramValues::StoreOption(const wchar_t* name, bool on) {
  registry_.SetDword(name, on ? 1 : 0);
}

void CProgramValues::PublishWindowHandle(std::uint32_t handle) {
  registry_.SetDword(kProcessHandleValue, handle);
}

std::wstring CProgramValues::ReadUserLibraryPath(const std::wstring& libraryFolder) {
  std::wstring folder;
  if (!registry_.GetString(kUserLibraryPathValue, folder, kPathCapacity + 1)) return libraryFolder;
  return FitsPathBuffer(folder) ? folder : libraryFolder;
}

void CProgramValues::StoreUserLibraryPath(const std::wstring& folder) {
  registry_.SetString(kUserLibraryPathValue, folder);
}
