// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

#include "core/zintok1.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace zr {

inline constexpr int kLinesPerText = 12;
inline constexpr std::string_view kLineSeparator = "\r\n";

// Twelve lines of "opening, middle closing" from the current department's phrase files, each line
// ending in CR LF, with no record used twice in a column. Every column count must be at least 12
// (failure 63 otherwise, before any file is touched); a record past the end of its file fails
// with 62. The phrase files are closed on every path.
std::string Generate(const ZINTOK1& state, FileTable& files, RandomSource& random);

// Fails as Generate can fail on any of its draws, before a text is made: a count below 12, a
// phrase file that cannot be opened, or one shorter than its count (62). Generate meets a short
// file only when a draw lands past its end, which may be many texts later.
void CheckPhraseFiles(const ZINTOK1& state, FileTable& files);

// One draw: floor(count * u) + 1 as a 16-bit number, lowered to count when it exceeds it.
std::int16_t DrawRecordNumber(std::int16_t count, float u);

// Drops a closing quote of `left` together with an opening quote of `right`, so that a quotation
// runs across the boundary between two phrases.
void MergeQuotes(std::string& left, std::string& right);

}  // namespace zr
