// Must not compile: an opcode name of 36 characters leaves no room for its
// terminator in a 36-character slot.
#include "editions/OpcodeNames.h"

constexpr OpcodeNameTable kTooLong = MakeOpcodeNames(
    {L"123456789012345678901234567890123456", L"", L"", L"", L"", L"", L"", L""});
