// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "random.h"

namespace zr {

namespace {
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// SplitMix64's finaliser: spreads nearby bases (clock readings, small seeds) over the whole
// state space.
std::uint64_t Mix(std::uint64_t z) noexcept {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void SplitMixStream::Start(std::uint64_t base) noexcept {
  state_ = Mix(base + kGolden * ++texts_);
}

float SplitMixStream::Next() noexcept {
  state_ += kGolden;
  return UnitFloat(static_cast<std::uint32_t>(Mix(state_) >> 32));
}

float SeededRandom::Next() {
  return UnitFloat(static_cast<std::uint32_t>(engine_()));
}

void ClockSeededRandom::Seed() {
  stream_.Start(static_cast<std::uint64_t>(clock_.Now().time_since_epoch().count()));
}

}  // namespace zr
