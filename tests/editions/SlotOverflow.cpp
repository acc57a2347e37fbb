// Must not compile: a button function name of 60 characters leaves no room
// for its terminator in a 60-character slot.
#include "editions/EditionTexts.h"

constexpr wchar_t kTooLong[kFunctionNameChars] =
    L"123456789012345678901234567890123456789012345678901234567890";
