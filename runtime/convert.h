// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace zr {

// Narrows to a signed 16-bit integer; a value outside -32768..32767 (or NaN) fails with overflow.
std::int16_t ToInt16(double value);
std::int16_t ToInt16(long long value);

// Rounds to the nearest 32-bit integer, ties to even; fails with overflow outside its range.
std::int32_t RoundToInt32(double value);

// The largest whole number not above value.
double Floor(double value) noexcept;

}  // namespace zr
