#include "skin/BoxTexts.h"

std::wstring ShortFolderText(const std::wstring& folder) {
  if (folder.size() <= 32) return folder;
  return folder.substr(0, 27) + L"...";
}
