#include "app/ProfileLooks.h"

#include "app/ProgramValues.h"
#include "editions/Edition.h"

namespace {

bool IsProfile(int profile) { return profile >= 0 && profile <= 3; }
bool IsCustom(int profile) { return profile >= 1 && profile <= 3; }

}  // namespace

TabPictures TabPicturesOf(int profile, bool withPicture) {
  if (withPicture) return {190 + 2 * profile, 191 + 2 * profile};
  return {205 + 2 * profile, 206 + 2 * profile};
}

bool IsValidPictureName(const std::wstring& fileName) {
  return !fileName.empty() && fileName.size() < kPictureNameCapacity &&
         fileName.find_first_of(L"\\/:") == std::wstring::npos;
}

CProfileLooks::CProfileLooks(CRegistryStore& registry, const CDataFolders& folders,
                             CFileSystem& files, CProfileLooksView& view)
    : registry_(registry), folders_(folders), files_(files), view_(view) {
  for (int p = 0; p < 4; ++p) names_[p] = DefaultName(p);
}

std::wstring CProfileLooks::Name(int profile) const {
  return IsProfile(profile) ? names_[profile] : std::wstring();
}

std::wstring CProfileLooks::PictureName(int profile) const {
  return IsProfile(profile) ? pictures_[profile] : std::wstring();
}

std::wstring CProfileLooks::DefaultName(int profile) const {
  return Text(static_cast<TextId>(IDS_PROFILE_NAME_0 + profile));
}

void CProfileLooks::LoadProfileNames() {
  for (int p = 0; p < 4; ++p) {
    if (!registry_.GetString(ProfileNameValue(p), names_[p], kProfileNameCapacity)) {
      names_[p] = DefaultName(p);
    }
  }
}

std::optional<std::wstring> CProfileLooks::ReadPictureValue(int profile) {
  std::wstring name;
  // One character more than the buffer tells an overlong name.
  if (!registry_.GetString(ProfilePictureValue(profile), name, kPictureNameCapacity + 1) ||
      !IsValidPictureName(name)) {
    return std::nullopt;
  }
  return name;
}

bool CProfileLooks::NameValueStored(int profile) {
  std::wstring ignored;
  return registry_.GetString(ProfileNameValue(profile), ignored, kProfileNameCapacity) == 1;
}

void CProfileLooks::UseTabPictures(int profile, bool withPicture) {
  const TabPictures pair = TabPicturesOf(profile, withPicture);
  view_.SetTabPictures(profile, pair.normal, pair.hot);
  tabWithPicture_[profile] = withPicture;
}

int CProfileLooks::SetProfileName(int profile, const std::wstring& name) {
  if (!IsProfile(profile)) return 0;
  const std::wstring fitted = FitToBuffer(name, kProfileNameCapacity);
  if (fitted == names_[profile]) return 0;
  if (IsCustom(profile)) view_.DrawProfileName(false);
  names_[profile] = fitted;
  registry_.SetString(ProfileNameValue(profile), fitted);
  view_.SetTabCaption(profile, fitted);
  if (IsCustom(profile)) view_.DrawProfileName(true);
  return 1;
}

int CProfileLooks::SetProfilePicture(int profile, const std::wstring& fileName,
                                     const std::wstring& sourcePath) {
  if (!IsProfile(profile) || !IsValidPictureName(fileName)) return 0;
  const std::optional<std::wstring> target = folders_.ImagePath(fileName);
  if (!target) return 0;
  if (sourcePath != *target && !files_.CopyOver(sourcePath, *target)) return 0;
  pictures_[profile] = fileName;
  UseTabPictures(profile, true);
  view_.ShowTabPreview(profile, *target);
  registry_.SetString(ProfilePictureValue(profile), fileName);
  view_.ShowBigPreview(*target);
  return 1;
}

int CProfileLooks::ResetProfilePicture(int profile, bool resetName) {
  if (!IsCustom(profile)) return 0;
  view_.HideTabPreview(profile);
  UseTabPictures(profile, false);
  if (resetName) {
    registry_.DeleteValue(ProfileNameValue(profile));
    names_[profile] = DefaultName(profile);
    view_.SetTabCaption(profile, names_[profile]);
  }
  registry_.DeleteValue(ProfilePictureValue(profile));
  pictures_[profile].clear();
  view_.ShowDefaultBigPicture(kCustomProfilePicture);
  return 1;
}

std::wstring CProfileLooks::GetProfilePicturePath(int profile) {
  const std::wstring folderOnly = folders_.ImagesFolder() + L"\\";
  if (!IsProfile(profile)) return folderOnly;
  const std::optional<std::wstring> name = ReadPictureValue(profile);
  if (!name) return folderOnly;
  pictures_[profile] = *name;
  return folders_.ImagePath(*name).value_or(folderOnly);
}

void CProfileLooks::SnapshotProfileLooks() {
  for (int p = 0; p < 4; ++p) {
    snapshotNames_[p] = names_[p];
    snapshotPictures_[p] = ReadPictureValue(p).value_or(L"");
    snapshotNameStored_[p] = NameValueStored(p);
  }
}

int CProfileLooks::RevertProfileLooks(int profile) {
  if (!IsCustom(profile)) return 0;
  SetProfileName(profile, snapshotNames_[profile]);
  const std::wstring& picture = snapshotPictures_[profile];
  if (!picture.empty()) {
    const std::optional<std::wstring> path = folders_.ImagePath(picture);
    if (path) SetProfilePicture(profile, picture, *path);
    return 1;
  }
  ResetProfilePicture(profile, false);
  if (!snapshotNameStored_[profile]) registry_.DeleteValue(ProfileNameValue(profile));
  view_.RepaintTab(profile);
  return 1;
}

void CProfileLooks::ApplyProfileLooks() {
  for (int p = 0; p < 4; ++p) {
    view_.SetTabCaption(p, names_[p]);
    view_.ClearTabSelected(p);
    const std::optional<std::wstring> picture = ReadPictureValue(p);
    if (!picture) continue;
    pictures_[p] = *picture;
    if (!tabWithPicture_[p]) UseTabPictures(p, true);
    const std::optional<std::wstring> path = folders_.ImagePath(*picture);
    if (path) view_.ShowTabPreview(p, *path);
  }
}
