// The display name and picture of each profile: kept in the registry,
// shown on the profile tabs and in the big picture place, with the state
// of the program's start to return to.
//
// Names are shortened to 31 characters. A picture is a file name in the
// Images folder; a name that is empty, longer than 255 characters or holds
// a folder separator is refused (from the registry it counts as absent),
// so a picture path can never point outside the Images folder.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "app/DataFolders.h"
#include "app/FileSystem.h"
#include "app/ProfileLooksView.h"
#include "app/RegistryStore.h"

inline constexpr std::size_t kProfileNameCapacity = 32;
inline constexpr std::size_t kPictureNameCapacity = 256;
inline constexpr int kStandardProfilePicture = 223;
inline constexpr int kCustomProfilePicture = 224;

// The tab's picture pair: with a custom picture 190 + 2p / 191 + 2p (room
// for the small preview), without one 205 + 2p / 206 + 2p.
struct TabPictures {
  int normal;
  int hot;
};
TabPictures TabPicturesOf(int profile, bool withPicture);

bool IsValidPictureName(const std::wstring& fileName);

class CProfileLooks {
 public:
  CProfileLooks(CRegistryStore& registry, const CDataFolders& folders, CFileSystem& files,
                CProfileLooksView& view);

  // The four names from the registry; default names where absent.
  void LoadProfileNames();

  // Empty outside 0..3.
  std::wstring Name(int profile) const;
  std::wstring PictureName(int profile) const;

  // 0, doing nothing, when the name is the current one.
  int SetProfileName(int profile, const std::wstring& name);

  // Copies the source into the Images folder (unless it is already there)
  // and makes it the profile's picture. 0, changing nothing, when the name
  // is refused or the copy fails: the profile keeps a picture it can show.
  int SetProfilePicture(int profile, const std::wstring& fileName, const std::wstring& sourcePath);

  // Back to the default picture (custom profiles only), optionally with
  // the default name.
  int ResetProfilePicture(int profile, bool resetName);

  // The stored picture's path, or the Images folder + "\" when none.
  std::wstring GetProfilePicturePath(int profile);

  void SnapshotProfileLooks();

  // Name and picture as at the snapshot (custom profiles only). A name
  // that was stored then stays stored; one that was not is removed again.
  int RevertProfileLooks(int profile);

  // Tab captions and pictures after a configuration load. Clearing the
  // profiles' change flags and showing the startup profile is the form's.
  void ApplyProfileLooks();

 private:
  std::optional<std::wstring> ReadPictureValue(int profile);
  bool NameValueStored(int profile);
  void UseTabPictures(int profile, bool withPicture);
  std::wstring DefaultName(int profile) const;

  CRegistryStore& registry_;
  const CDataFolders& folders_;
  CFileSystem& files_;
  CProfileLooksView& view_;
  std::array<std::wstring, 4> names_;
  std::array<std::wstring, 4> pictures_;
  std::array<bool, 4> tabWithPicture_{};
  std::array<std::wstring, 4> snapshotNames_;
  std::array<std::wstring, 4> snapshotPictures_;
  std::array<bool, 4> snapshotNameStored_{};
};
