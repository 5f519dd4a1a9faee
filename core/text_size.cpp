// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/text_size.h"

#include <string>

#include "runtime/failure.h"

namespace zr {

void FillFontSizes(ZINTOK1& state) noexcept {
  state.FontSizes = {0.0f, 7.8f, 9.6f, 12.0f, 13.8f, 18.0f, 24.0f};
  state.FontSizeIndex = kStartSizeIndex;
}

float CurrentFontSize(const ZINTOK1& state) {
  if (state.FontSizeIndex < 0 || state.FontSizeIndex >= std::ssize(state.FontSizes)) {
    throw Failure(err::kSubscriptOutOfRange,
                  "size index " + std::to_string(state.FontSizeIndex) + " is out of range");
  }
  return state.FontSizes[static_cast<std::size_t>(state.FontSizeIndex)];
}

bool StepSizeDown(ZINTOK1& state) noexcept {
  if (state.FontSizeIndex <= kSmallestSizeIndex)
    return false;
  --state.FontSizeIndex;
  return true;
}

bool StepSizeUp(ZINTOK1& state) noexcept {
  if (state.FontSizeIndex >= kLargestSizeIndex)
    return false;
  ++state.FontSizeIndex;
  return true;
}

}  // namespace zr
