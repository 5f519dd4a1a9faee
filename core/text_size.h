// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include "core/zintok1.h"

namespace zr {

inline constexpr std::int16_t kSmallestSizeIndex = 1;
inline constexpr std::int16_t kLargestSizeIndex = 6;
inline constexpr std::int16_t kStartSizeIndex = 2;

// Fills sizes 1 to 6 and selects the start index.
void FillFontSizes(ZINTOK1& state) noexcept;

// The size FontSizeIndex selects; an index outside the table fails with 9, never reads past it.
float CurrentFontSize(const ZINTOK1& state);

// One size step; false, and nothing changed, at the end of the range.
bool StepSizeDown(ZINTOK1& state) noexcept;
bool StepSizeUp(ZINTOK1& state) noexcept;

}  // namespace zr
