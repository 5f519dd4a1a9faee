#pragma once

#include "core/zintok1.h"

namespace zr {

inline constexpr std::int16_t kSmallestSizeIndex = 1;
inline constexpr std::int16_t kLargestSizeIndex = 6;
inline constexpr std::int16_t kStartSizeIndex = 2;

// Fills sizes 1 to 6 and selects the start index.
void FillFontSizes(ZINTOK1& state) noexcept;

// FontSizes(FontSizeIndex), checked against the table's bounds (failure 9 outside them).
float CurrentFontSize(const ZINTOK1& state);

// One size step; false, and nothing changed, at the end of the range.
bool StepSizeDown(ZINTOK1& state) noexcept;
bool StepSizeUp(ZINTOK1& state) noexcept;

}  // namespace zr
