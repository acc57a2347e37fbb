#include "sim/VirtualMouseOptions.h"

#include <algorithm>
#include <charconv>

namespace {

std::string Narrow(const std::u16string& text) {
  std::string narrow;
  for (char16_t unit : text) narrow += unit < 0x80 ? static_cast<char>(unit) : '?';
  return narrow;
}

void Note(std::string& problems, const std::string& text) {
  if (!problems.empty()) problems += "\n";
  problems += text;
}

std::optional<int> ParseNumber(std::string_view text, int base) {
  if (base == 16 && (text.starts_with("0x") || text.starts_with("0X"))) text.remove_prefix(2);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::uint16_t> ParseVersion(const std::string& text) {
  const auto value = ParseNumber(text, 16);
  if (!value || *value < 0 || *value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

// "name=count" items separated by commas; names are checked when applied.
std::vector<std::pair<std::string, int>> ParseFaults(const std::string& text, std::string& problems) {
  std::vector<std::pair<std::string, int>> faults;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::string_view item = rest.substr(0, rest.find(','));
    rest.remove_prefix(std::min(rest.size(), item.size() + 1));
    const std::size_t equals = item.find('=');
    const auto count = equals == std::string_view::npos ? std::nullopt
                                                        : ParseNumber(item.substr(equals + 1), 10);
    if (!count) {
      Note(problems, "MIREL_VIRTUAL_MOUSE_FAULTS: \"" + std::string(item) + "\" is not name=count");
      continue;
    }
    faults.emplace_back(std::string(item.substr(0, equals)), *count);
  }
  return faults;
}

void Attach(VirtualMirel& mouse, const std::filesystem::path& file, std::string& problems) {
  if (auto failure = mouse.AttachStateFile(file)) Note(problems, *failure);
}

}  // namespace

std::optional<SVirtualMouseOptions> ReadVirtualMouseOptions(const EnvironmentLookup& lookup,
                                                            std::string& problems) {
  const auto state = lookup("MIREL_VIRTUAL_MOUSE");
  if (!state || state->empty()) return std::nullopt;
  SVirtualMouseOptions options;
  options.stateFile = *state;
  if (const auto version = lookup("MIREL_VIRTUAL_MOUSE_VERSION")) {
    const auto parsed = ParseVersion(Narrow(*version));
    if (parsed) options.version = *parsed;
    else Note(problems, "MIREL_VIRTUAL_MOUSE_VERSION: \"" + Narrow(*version) + "\" is not a hexadecimal version");
  }
  if (const auto second = lookup("MIREL_VIRTUAL_MOUSE_SECOND")) options.secondStateFile = *second;
  if (const auto faults = lookup("MIREL_VIRTUAL_MOUSE_FAULTS")) {
    options.faults = ParseFaults(Narrow(*faults), problems);
  }
  return options;
}

std::unique_ptr<VirtualHidBackend> MakeVirtualMice(const SVirtualMouseOptions& options,
                                                   Clock& clock, std::string& problems) {
  auto backend = std::make_unique<VirtualHidBackend>(clock);
  VirtualMirel& first = backend->AddMouse({.version = options.version});
  Attach(first, options.stateFile, problems);
  for (const auto& [name, count] : options.faults) {
    if (!first.SetFault(name, count)) Note(problems, "MIREL_VIRTUAL_MOUSE_FAULTS: unknown fault \"" + name + "\"");
  }
  if (!options.secondStateFile.empty()) {
    VirtualMirel& second = backend->AddMouse(
        {.vendorId = 0x5D93, .productId = 0x46B8, .version = options.version});
    Attach(second, options.secondStateFile, problems);
  }
  return backend;
}
