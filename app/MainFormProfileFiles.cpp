// Profile files on disk: the export box and the files it writes (the
// profile file, its attachment with name and picture, the picture beside
// them), and the import that reads them back into the current profile and
// sends it to the mouse.
#include "app/FormIds.h"
#include "app/MainForm.h"
#include "app/ProgramValues.h"
#include "config/AttachmentFile.h"
#include "config/ProfileFile.h"
#include "editions/Edition.h"

namespace {

constexpr std::wstring_view kProfileExtension = L".POF";
constexpr std::wstring_view kAttachmentExtension = L".ATT";
// The header and the most its two one-byte counts can announce.
constexpr std::size_t kLargestAttachment = 4 + 2 * (255 + 255);

// Everything before the last backslash; empty when there is none.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

// A file of the same folder as `path`.
std::wstring BesideFile(const std::wstring& path, const std::wstring& fileName) {
  const std::size_t separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? fileName : path.substr(0, separator + 1) + fileName;
}

// 1 when written; otherwise the message of what failed, and 0.
int ReportWrite(FormView& view, FileWriteStatus status, const std::wstring& path) {
  if (status == FileWriteStatus::kWritten) return 1;
  if (status == FileWriteStatus::kCannotCreate) {
    view.ShowStopMessage(std::wstring(Text(IDS_FILE_LOCATION)) + path);
  } else {
    view.ShowStopMessage(Text(IDS_WRITE_FAILED));
  }
  return 0;
}

// A typed name without ".POF" (upper case, anywhere in the path) gets it
// appended; any other name is used as typed.
std::wstring WithProfileExtension(const std::wstring& path) {
  if (path.find(kProfileExtension) != std::wstring::npos) return path;
  return path + std::wstring(kProfileExtension);
}

// The profile file's path with its last four characters replaced; empty
// for a path too short to have them.
std::optional<std::wstring> AttachmentPathOf(const std::wstring& profileFilePath) {
  if (profileFilePath.size() < kAttachmentExtension.size()) return std::nullopt;
  return profileFilePath.substr(0, profileFilePath.size() - kAttachmentExtension.size()) +
         std::wstring(kAttachmentExtension);
}

}  // namespace

void CMainForm::ExportProfile() {
  if (!ReadProfileForExport()) return;
  while (ExportDialogStep() == 0) {
  }
}

int CMainForm::ExportDialogStep() {
  std::wstring folder;
  // One character more than a path buffer tells a folder that fits from
  // one that would be cut short into another folder.
  if (!registry_.GetString(kUserLibraryPathValue, folder, kPathCapacity + 1) ||
      !FitsPathBuffer(folder)) {
    folder = folders_.LibraryFolder();
  }
  BeginModalBox();
  const std::optional<std::wstring> typed =
      view_->RunExportBox(looks_.Name(currentProfile_), folder);
  EndModalBox();
  if (!typed) return 1;
  const std::wstring path = WithProfileExtension(*typed);
  const std::wstring typedFolder = FolderOf(*typed);
  if (!typedFolder.empty()) registry_.SetString(kUserLibraryPathValue, typedFolder);
  if (!WriteProfileFile(path)) return 0;
  WriteAttachmentFile(path);
  return 1;
}

int CMainForm::WriteProfileFile(const std::wstring& path) {
  if (files_->FileExists(path)) {
    BeginModalBox();
    const int answer = view_->RunBox(box_kind::kOverwrite, Text(IDS_FILE_EXISTS), 0);
    EndModalBox();
    if (answer != 1) return 0;
  }
  const auto bytes = WriteProfileFileBytes(currentProfile_, [this](int reg) {
    return static_cast<std::uint8_t>(protocol_.Entry(reg).value);
  });
  if (!bytes) return 0;
  return ReportWrite(*view_, files_->WriteFileSafely(path, *bytes), path);
}

int CMainForm::WriteAttachmentFile(const std::wstring& profileFilePath) {
  const std::optional<std::wstring> path = AttachmentPathOf(profileFilePath);
  if (!path) return 0;
  const std::wstring picture = looks_.PictureName(currentProfile_);
  // A picture name the reader could not hold whole would name another
  // picture on import: such an attachment is not written at all.
  const auto bytes = WriteAttachmentBytes(looks_.Name(currentProfile_), picture);
  if (!bytes) {
    view_->ShowStopMessage(Text(IDS_WRITE_FAILED));
    return 0;
  }
  if (!ReportWrite(*view_, files_->WriteFileSafely(*path, *bytes), *path)) return 0;
  const std::optional<std::wstring> source = folders_.ImagePath(picture);
  if (!picture.empty() && source) files_->CopyOver(*source, BesideFile(*path, picture));
  return 1;
}

void CMainForm::ImportProfileFromDialog() {
  BeginModalBox();
  const std::optional<std::wstring> path = view_->ChooseProfileFile(folders_.LibraryFolder());
  EndModalBox();
  if (path) ImportProfile(*path);
}

int CMainForm::ImportProfile(const std::wstring& path) {
  if (!ReadProfileFile(path)) return 0;
  ReadAttachmentFile(path);
  return WriteImportedProfile();
}

int CMainForm::ReadProfileFile(const std::wstring& path) {
  if (currentProfile_ < 0 || currentProfile_ > 3) return 0;
  const FileRead file = files_->ReadFile(path, kProfileFileBufferSize);
  if (file.status == FileReadStatus::kCannotOpen) {
    view_->ShowStopMessage(std::wstring(Text(IDS_FILE_LOCATION)) + path);
    return 0;
  }
  // A file larger than the transfer buffer is none the program wrote.
  if (file.status == FileReadStatus::kTooLarge) {
    view_->ShowStopMessage(Text(IDS_BAD_FORMAT));
    return 0;
  }
  return ApplyProfileFile(file.bytes);
}

int CMainForm::ReadAttachmentFile(const std::wstring& profileFilePath) {
  const int p = currentProfile_;
  if (p < 1 || p > 3) return 0;
  const std::optional<std::wstring> path = AttachmentPathOf(profileFilePath);
  if (!path) return 0;
  const FileRead file = files_->ReadFile(*path, kLargestAttachment);
  if (file.status != FileReadStatus::kRead) return 0;
  const std::optional<AttachmentContents> contents = ReadAttachmentBytes(file.bytes);
  if (!contents) return 0;
  if (contents->picture) {
    looks_.SetProfilePicture(p, *contents->picture, BesideFile(*path, *contents->picture));
  } else {
    looks_.ResetProfilePicture(p, false);
  }
  const std::wstring defaultName = Text(static_cast<TextId>(IDS_PROFILE_NAME_0 + p));
  looks_.SetProfileName(p, contents->name.value_or(defaultName));
  return 1;
}
