// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace zr {

// A phrase file is an array of fixed-length records, so that record n is found by its offset
// alone: each holds one phrase in Windows-1252, padded with spaces (code 32) to full length.
// Readers drop the padding again, which is why a phrase may not end in a space.
inline constexpr int kRecordLength = 40;

// The record of a phrase of at most kRecordLength bytes.
std::string PadRecord(std::string_view phrase);

// Removes trailing spaces (code 32) only; a tab or any other character ends the trimming.
std::string_view TrimTrailingSpaces(std::string_view text) noexcept;

}  // namespace zr
