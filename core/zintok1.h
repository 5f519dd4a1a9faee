// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

namespace zr {

// The program's shared state, alive for the whole run. One instance is made at start-up and passed
// to whatever needs it.
struct ZINTOK1 {
  // Letter of the current department; start-up sets 'E'.
  char DeptLetter = ' ';
  // Record counts of the current department's phrase files, columns 1 to 3.
  std::array<std::int16_t, 3> PhraseCounts{};
  // Text sizes in points at 1 to 6, so that a size step is its own index; 0 is a placeholder.
  std::array<float, 7> FontSizes{};
  // Current index into FontSizes, kept between 1 and 6 once start-up has run.
  std::int16_t FontSizeIndex = 0;
  // Number of the last failure shown to the user.
  std::int16_t ErrNumber = 0;
};

}  // namespace zr
