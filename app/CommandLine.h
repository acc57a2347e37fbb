// Reading the program's command line. The program takes no options; the
// only argument it looks at is a file name, as the shell passes one when a
// profile file is opened through the file association.
#pragma once

#include <optional>
#include <string>
#include <vector>

// `args` excludes the program name. The file is the first argument that is
// not a flag (a flag starts with '/' or '-'); empty when there is none.
std::optional<std::wstring> FileArgument(const std::vector<std::wstring>& args);
