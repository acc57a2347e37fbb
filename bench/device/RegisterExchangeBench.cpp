// The cost of the register protocol layer itself: exchanges through the
// virtual mouse at zero latency, and what a connect-time load of the 113
// configuration registers asks of the HID services.
#include <benchmark/benchmark.h>

#include <vector>

#include "device/IcGM06Vx.h"
#include "platform/VirtualClock.h"
#include "sim/VirtualHidBackend.h"

namespace {

// The registers read at connect time, in load order.
std::vector<int> LoadList() {
  std::vector<int> list = {0x00, 0x01, 0x02, 0x06};
  const auto range = [&list](int first, int last) {
    for (int r = first; r <= last; ++r) list.push_back(r);
  };
  range(0x08, 0x0D);
  range(0x15, 0x2C);
  range(0x3A, 0x3F);
  range(0x47, 0x5E);
  range(0x6C, 0x71);
  range(0x79, 0x90);
  list.insert(list.end(), {0xA6, 0xA7, 0x122D, 0x122E, 0x1212, 0x1213, 0x1214, 0x1217, 0x1218,
                           0x121B, 0x121C, 0x121D, 0x1220, 0x1221, 0x1224, 0x1225, 0x1226,
                           0x1229, 0x122A});
  return list;
}

struct Rig {
  VirtualClock clock;
  VirtualHidBackend hid{clock};
  VirtualMirel& mouse = hid.AddMouse();
  CIcGM06Vx ic{hid, clock};

  Rig() {
    mouse.KeepReportLog(false);
    ic.Reset();
    ic.SelectControllerType(0x0704);
    ic.OpenDevice(hid.PathOf(mouse));
  }
};

void ReadRegister(benchmark::State& state) {
  Rig rig;
  int value = 0;
  for (auto _ : state) {
    rig.ic.ReadRegister(0x1213, value);
    benchmark::DoNotOptimize(value);
  }
  state.counters["exchanges/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(ReadRegister);

void WriteRegister(benchmark::State& state) {
  Rig rig;
  for (auto _ : state) rig.ic.WriteRegister(0x1213, 0x4D);
  state.counters["exchanges/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(WriteRegister);

void LoadConfiguration(benchmark::State& state) {
  Rig rig;
  const std::vector<int> list = LoadList();
  const long long before = rig.mouse.SetCalls() + rig.mouse.GetCalls();
  for (auto _ : state) {
    for (int address : list) {
      int value = 0;
      rig.ic.ReadRegister(address, value);
      rig.ic.StoreReadValue(address, value);
    }
  }
  const long long calls = rig.mouse.SetCalls() + rig.mouse.GetCalls() - before;
  state.counters["registers"] = static_cast<double>(list.size());
  state.counters["feature calls per load"] =
      static_cast<double>(calls) / static_cast<double>(state.iterations());
}
BENCHMARK(LoadConfiguration);

}  // namespace

BENCHMARK_MAIN();
