// One virtual mouse on a virtual clock, and the protocol object over it.
#pragma once

#include "device/IcGM06Vx.h"
#include "platform/VirtualClock.h"
#include "sim/VirtualHidBackend.h"

struct MouseRig {
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  VirtualMirel& mouse;
  CIcGM06Vx ic{hid, clock};

  explicit MouseRig(const SVirtualMouseDescription& description = {})
      : mouse(hid.AddMouse(description)) {}

  // Reset, type selection and identification as a connect does them; the
  // mouse's log starts empty afterwards.
  bool Connect(std::uint16_t type = 0x0704) {
    ic.Reset();
    const bool connected = ic.SelectControllerType(type) && ic.OpenDevice(hid.PathOf(mouse));
    mouse.ClearLog();
    return connected;
  }
};
