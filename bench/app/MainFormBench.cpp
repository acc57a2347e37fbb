// The configuration load and a full profile apply against the virtual mouse
// at zero latency: the CPU our own code spends per register, and, reported
// as counters, the timer ticks, virtual time and feature calls each flow
// used against the least its pacing allows (one register per 10 ms tick).
#include <benchmark/benchmark.h>

#include "config/RegisterMap.h"
#include "tests/support/MainFormRig.h"

namespace {

int FeatureCalls(const FormRig& rig) {
  return static_cast<int>(rig.mouse.ReceivedReports().size()) + rig.mouse.GetCalls();
}

void BM_ConfigurationLoad(benchmark::State& state) {
  int ticks = 0, calls = 0;
  Clock::Duration virtualTime{0};
  for (auto _ : state) {
    FormRig rig;
    rig.form.ConnectDevice();
    rig.mouse.ClearLog();
    const auto start = rig.clock.Now();
    rig.view.RunTransfers();
    ticks = rig.view.ticksById[0x900];
    virtualTime = rig.clock.Now() - start;
    calls = FeatureCalls(rig);
  }
  state.counters["load_ticks"] = ticks;
  state.counters["load_ticks_minimum"] = 112;
  state.counters["virtual_ms"] = static_cast<double>(virtualTime.count());
  state.counters["feature_calls_after_first"] = calls;
  state.SetItemsProcessed(state.iterations() * 113);
}
BENCHMARK(BM_ConfigurationLoad)->Unit(benchmark::kMicrosecond);

void BM_ApplyWholeProfile(benchmark::State& state) {
  int ticks = 0, calls = 0;
  for (auto _ : state) {
    state.PauseTiming();
    FormRig rig;
    rig.form.ConnectDevice();
    rig.view.RunTransfers();
    rig.form.SelectProfile(1, true);
    for (int group = 0; group < 6; ++group) {
      rig.form.Protocol().SetCachedValue(FunctionCodeRegister(1, group), 0x27);
      for (int i = 0; i < 4; ++i)
        rig.form.Protocol().SetCachedValue(ParameterRegister(1, group, i), 0x11);
    }
    rig.mouse.ClearLog();
    const int before = rig.view.ticksById[0x902];
    state.ResumeTiming();
    rig.form.ApplyProfile();
    ticks = rig.view.ticksById[0x902] - before;
    calls = FeatureCalls(rig);
  }
  state.counters["apply_ticks"] = ticks;
  state.counters["feature_calls"] = calls;
}
BENCHMARK(BM_ApplyWholeProfile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
