#include "skin/BoxTexts.h"

#include <gtest/gtest.h>

TEST(ShortFolderText, LongFoldersKeepTheirStart) {
  const std::wstring thirtyTwo(32, L'a');
  EXPECT_EQ(ShortFolderText(thirtyTwo), thirtyTwo);
  EXPECT_EQ(ShortFolderText(thirtyTwo + L"b"), std::wstring(27, L'a') + L"...");
  EXPECT_EQ(ShortFolderText(L""), L"");
}
