#include "config/ActivityIndicator.h"

namespace {

constexpr int kPlaces = 8;
constexpr bool kEnabled[kPlaces] = {true, true, true, true, false, true, true, false};

int Wrap(int position) { return ((position % kPlaces) + kPlaces) % kPlaces; }

}  // namespace

IndicatorStep NextIndicatorStep(int cursor) {
  IndicatorStep step{std::nullopt, std::nullopt, cursor};
  if (cursor >= 1 && cursor <= kPlaces) step.switchOff = cursor + 1;
  const int from = Wrap(cursor);
  int next = Wrap(cursor + 1);
  while (!kEnabled[next] && next != from) next = Wrap(next + 1);
  if (next != cursor) {
    step.cursor = next;
    step.switchOn = next + 1;
  }
  return step;
}
