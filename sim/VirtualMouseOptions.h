// The virtual mice a program run asks for through its environment:
//
//   MIREL_VIRTUAL_MOUSE          state file of the mouse; setting it selects
//                                the virtual mice instead of the real HID
//                                services
//   MIREL_VIRTUAL_MOUSE_VERSION  controller version, hexadecimal (default 0704)
//   MIREL_VIRTUAL_MOUSE_SECOND   state file of a second mouse, with the other
//                                identity of the mouse id table
//   MIREL_VIRTUAL_MOUSE_FAULTS   faults of the first mouse, e.g.
//                                "fail-get=3,wrong-echo=1,latency-ms=5"
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "sim/VirtualHidBackend.h"

struct SVirtualMouseOptions {
  std::filesystem::path stateFile;
  std::uint16_t version = 0x0704;
  std::filesystem::path secondStateFile;  // empty: one mouse
  std::vector<std::pair<std::string, int>> faults;
};

// Looks up one environment variable; empty when it is not set.
using EnvironmentLookup = std::function<std::optional<std::u16string>(std::string_view name)>;

// Empty when MIREL_VIRTUAL_MOUSE is unset or empty. Values that cannot be
// used are described in `problems` and replaced by their defaults.
std::optional<SVirtualMouseOptions> ReadVirtualMouseOptions(const EnvironmentLookup& lookup,
                                                            std::string& problems);

// The backend with the mice the options describe, each tied to its state
// file. State files that cannot be used are described in `problems`; such
// a mouse starts from the factory image and is not saved.
std::unique_ptr<VirtualHidBackend> MakeVirtualMice(const SVirtualMouseOptions& options,
                                                   Clock& clock, std::string& problems);
