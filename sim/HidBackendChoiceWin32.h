// The HID port a Windows program run uses: the virtual mice when
// MIREL_VIRTUAL_MOUSE is set (see VirtualMouseOptions.h), otherwise the
// system's HID services.
#pragma once

#include <memory>
#include <string>

#include "device/HidPort.h"
#include "platform/Clock.h"

// `problems` receives what was wrong with the virtual mouse options, for
// the caller to show; the mice are made regardless, with defaults.
std::unique_ptr<HidPort> ChooseHidBackend(Clock& clock, std::string& problems);
