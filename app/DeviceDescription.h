// Gives the mouse's HID interface the product's name in the system's
// device list. Needs administrator rights; without them it does nothing.
#pragma once

#include "app/RegistryStore.h"

inline constexpr const wchar_t* kMouseInterfaceKey =
    L"SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_3e71&Pid_0a24&MI_00";
inline constexpr const wchar_t* kMouseDescription = L"Orvo GAMING MOUSE Mirel";

void PatchDeviceDescription(CRegistryStore& registry);
