// Speed of the command list on the largest script: decoding and encoding
// it, and editing it with many jumps to keep on their commands.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "macro/SkinLVCmdList.h"

namespace {

constexpr int kScriptCapacity = 512;

// A full script: key presses with delays, loops, and a GOTO and an IF
// jumping back to earlier rows in every block.
std::vector<std::uint8_t> FullScript() {
  CSkinLVCmdList list;
  list.SetCapacity(kScriptCapacity);
  for (int block = 0;; ++block) {
    const int start = list.UsedBytes();
    if (list.AppendCommand(0x02, 3) < 0 || list.AppendCommand(0x04 + block % 26) < 0 ||
        list.AppendCommand(0x01, 4) < 0 || list.AppendCommand(0x84 + block % 26) < 0 ||
        list.AppendCommand(0x82, start) < 0 || list.AppendScriptCommand(2, start) < 0 ||
        list.AppendScriptCommand(3, 11 + 256 * 10, start) < 0)
      break;
  }
  while (list.AppendCommand(0x7F) >= 0) {
  }
  return list.Encode();
}

void BM_DecodeEncodeFullScript(benchmark::State& state) {
  const std::vector<std::uint8_t> script = FullScript();
  CSkinLVCmdList list;
  list.SetCapacity(kScriptCapacity);
  for (auto _ : state) {
    list.Decode(script);
    benchmark::DoNotOptimize(list.Encode());
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(script.size()));
}
BENCHMARK(BM_DecodeEncodeFullScript);

void BM_ThousandEditsWithJumps(benchmark::State& state) {
  const std::vector<std::uint8_t> script = FullScript();
  CSkinLVCmdList list;
  list.SetCapacity(kScriptCapacity);
  std::mt19937 random(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (auto _ : state) {
    list.Decode(script);
    for (int edit = 0; edit < 1000; ++edit) {
      const int rows = list.RowCount();
      switch (pick(5)) {
        case 0: list.InsertCommand(pick(rows + 1), 0x05); break;
        case 1:
          if (rows > 0) {
            list.SelectRow(pick(rows));
            list.DeleteSelected();
          }
          break;
        case 2:
          if (rows > 0) {
            list.SelectRow(pick(rows));
            list.MoveSelectedUp();
          }
          break;
        case 3:
          if (rows > 0) list.ResizeRow(pick(rows), 1 + pick(300));
          break;
        default:
          list.InsertScriptCommand(pick(rows + 1), 2, list.StartOffset(pick(rows + 1)));
          break;
      }
    }
    benchmark::DoNotOptimize(list.UsedBytes());
  }
}
BENCHMARK(BM_ThousandEditsWithJumps)->Unit(benchmark::kMillisecond);

}  // namespace
