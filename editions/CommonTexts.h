// Texts that are the same in every edition: names other programs, the
// registry or the system see, and the frame's fixed version text.
#pragma once

inline constexpr wchar_t kInstanceMutexName[] = L"Orvo Gaming Mouse: Mirel";
inline constexpr wchar_t kFrameVersionText[] = L"Ver 1.1";
inline constexpr wchar_t kInputDialogClass[] = L"Mirel-Input-Dialog";
inline constexpr wchar_t kCmdListInputClass[] = L"Mirel-CmdLst-Input";
inline constexpr wchar_t kSmartInDialogClass[] = L"Mirel-SmartIn-Dialog";
