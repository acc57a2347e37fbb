// Texts the message box shortens before showing them.
#pragma once

#include <string>

// A folder of more than 32 characters shows as its first 27 and "...".
std::wstring ShortFolderText(const std::wstring& folder);
