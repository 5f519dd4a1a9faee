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

// Seeds from the clock's finest unit (nanoseconds for the system clock) mixed with a counter, so
// two texts started within the same clock tick still differ. A SplitMix64 stream: it is seeded for
// every text, and seeding a Mersenne Twister (624 words) cost more than a third of the generator's
// own work.
class ClockSeededRandom final : public RandomSource {
 public:
  // The clock must outlive this source.
  explicit ClockSeededRandom(const Clock& clock) noexcept : clock_(clock) {}
  void Seed() override;
  float Next() override;

 private:
  const Clock& clock_;
  std::uint64_t state_ = 0;
  std::uint64_t seeds_ = 0;
};

// Reproducible runs: the n-th Seed() starts the sequence of seed + n, so every text differs, yet
// two sources made with the same seed give the same texts.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : next_(seed), engine_(seed) {}
  void Seed() override { engine_.seed(next_++); }
  float Next() override;

 private:
  std::uint32_t next_;
  std::mt19937 engine_;
};

// 24 random bits as a float in [0, 1): every value is exact in single precision.
inline float UnitFloat(std::uint32_t bits) noexcept {
  return static_cast<float>(bits >> 8) * 0x1p-24f;
}

}  // namespace zr
