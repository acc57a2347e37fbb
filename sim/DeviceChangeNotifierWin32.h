// Tells windows of virtual plugging the way the system tells them of real
// plugging: WM_DEVICECHANGE with DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE and a device-interface record naming the path.
#pragma once

#include "sim/VirtualHidBackend.h"

VirtualHidBackend::Notifier WindowDeviceChangeNotifier();
