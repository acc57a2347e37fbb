#include "app/CommandLine.h"

std::optional<std::wstring> FileArgument(const std::vector<std::wstring>& args) {
  for (const std::wstring& arg : args) {
    if (arg.empty()) continue;
    if (arg[0] == L'/' || arg[0] == L'-') continue;
    return arg;
  }
  return std::nullopt;
}
