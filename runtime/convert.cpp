// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "convert.h"

#include <cmath>
#include <limits>
#include <string>

#include "failure.h"

namespace zr {

namespace {
[[noreturn]] void Overflow(double value) {
  throw Failure(err::kOverflow, "overflow: " + std::to_string(value) + " does not fit");
}
}  // namespace

std::int16_t ToInt16(double value) {
  // Written so that NaN fails too.
  if (!(value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())) {
    Overflow(value);
  }
  return static_cast<std::int16_t>(value);
}

std::int16_t ToInt16(long long value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    Overflow(static_cast<double>(value));
  }
  return static_cast<std::int16_t>(value);
}

std::int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);  // default rounding mode: nearest, ties to even
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    Overflow(value);
  }
  return static_cast<std::int32_t>(rounded);
}

double Floor(double value) noexcept {
  return std::floor(value);
}

}  // namespace zr
