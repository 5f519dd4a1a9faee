// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "runtime/clock.h"
#include "runtime/failure.h"
#include "runtime/random.h"

namespace zr::test {

// Reproducible runs for tests: the n-th Seed() starts the sequence of seed + n, so every text
// differs, yet two sources made with the same seed give the same texts. Tests count on its
// particular draws; nothing users see depends on it.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : next_(seed), engine_(seed) {}
  void Seed() override { engine_.seed(next_++); }
  float Next() override { return UnitFloat(static_cast<std::uint32_t>(engine_())); }

 private:
  std::uint32_t next_;
  std::mt19937 engine_;
};

// The failure number a call ends with, or 0 when it succeeds.
template <typename Call>
int FailureNumberOf(Call&& call) {
  try {
    call();
  } catch (const Failure& failure) {
    return failure.number();
  }
  return 0;
}

// Names table rows by their `tag` field.
struct RowTag {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.tag;
  }
};

// Hands out the given values in turn, starting over when they run out.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
  void Seed() override { ++seeds; }
  float Next() override {
    ++draws;
    const float value = values_[next_];
    next_ = (next_ + 1) % values_.size();
    return value;
  }

  int seeds = 0;
  int draws = 0;

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::chrono::system_clock::time_point now) : now_(now) {}
  std::chrono::system_clock::time_point Now() const override { return now_; }

 private:
  std::chrono::system_clock::time_point now_;
};

}  // namespace zr::test
