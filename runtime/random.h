// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <random>

#include "clock.h"

namespace zr {

// Source of the generator's random values: single precision, uniform in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Called at the start of every text.
  virtual void Seed() = 0;
  virtual float Next() = 0;
};

// The one random stream of the program, a SplitMix64 sequence. Seeded texts are promised to read
// the same in every release, so nothing here may ever change:
//   G = 0x9E3779B97F4A7C15, Mix(z) = SplitMix64's finaliser (below), all arithmetic mod 2^64;
//   text n (from 1) of a stream on base b starts at state = Mix(b + n * G);
//   each value adds G to state and is the top 24 bits of Mix(state), divided by 2^24.
// Seeding once per text is cheap here; a Mersenne Twister's 624-word seeding cost more than a
// third of the generator's own work.
class SplitMixStream {
 public:
  static constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ull;

  // SplitMix64's finaliser: spreads nearby bases (clock readings, small seeds) over the whole
  // state space.
  static constexpr std::uint64_t Mix(std::uint64_t z) noexcept {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  void Start(std::uint64_t base) noexcept { state_ = Mix(base + kGolden * ++texts_); }
  // Inline: the text command draws tens of millions of these a second.
  float Next() noexcept;

 private:
  std::uint64_t state_ = 0;
  std::uint64_t texts_ = 0;
};

// Seeds from the clock's finest unit (nanoseconds for the system clock): the reading is the base,
// and the text count keeps two texts started within the same clock tick apart.
class ClockSeededRandom final : public RandomSource {
 public:
  // The clock must outlive this source.
  explicit ClockSeededRandom(const Clock& clock) noexcept : clock_(clock) {}
  void Seed() override;
  float Next() override { return stream_.Next(); }

 private:
  const Clock& clock_;
  SplitMixStream stream_;
};

// The text command's seeded texts: the window's stream with the seed in place of the clock
// reading, so seed S gives what the window gives over a clock that reads S ticks, in every release.
class FixedSeedRandom final : public RandomSource {
 public:
  explicit FixedSeedRandom(std::uint64_t seed) noexcept : seed_(seed) {}
  void Seed() override { stream_.Start(seed_); }
  float Next() override { return stream_.Next(); }

 private:
  std::uint64_t seed_;
  SplitMixStream stream_;
};

// 24 random bits as a float in [0, 1): every value is exact in single precision.
inline float UnitFloat(std::uint32_t bits) noexcept {
  return static_cast<float>(bits >> 8) * 0x1p-24f;
}

inline float SplitMixStream::Next() noexcept {
  state_ += kGolden;
  return UnitFloat(static_cast<std::uint32_t>(Mix(state_) >> 32));
}

}  // namespace zr
