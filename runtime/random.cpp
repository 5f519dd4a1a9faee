#include "random.h"

#include <chrono>

namespace zr {

namespace {
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// SplitMix64's finaliser: spreads nearby clock readings over the whole seed space.
std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void ClockSeededRandom::Seed() {
  const auto ticks = static_cast<std::uint64_t>(clock_.Now().time_since_epoch().count());
  state_ = Mix(ticks + kGolden * ++seeds_);
}

float ClockSeededRandom::Next() {
  state_ += kGolden;
  return UnitFloat(static_cast<std::uint32_t>(Mix(state_) >> 32));
}

float SeededRandom::Next() {
  return UnitFloat(static_cast<std::uint32_t>(engine_()));
}

}  // namespace zr
