// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/phrase_store.h"
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

// The record numbers of one text, line by line in column order.
using TextRecords = std::array<std::array<std::int16_t, kColumns>, kLinesPerText>;

// Seeds `random` for a new text and draws its records, no record twice in a column: the one draw of
// every text, the window's from its files and the text command's from memory alike.
TextRecords DrawRecords(const std::array<std::int16_t, kColumns>& counts, RandomSource& random);

// The three phrases of a line as they are joined: a closing quote of one phrase and an opening
// quote of the next are both dropped, so that a quotation runs across the boundary.
struct LinePhrases {
  std::string_view a, b, c;
};
LinePhrases JoinPhrases(std::string_view a, std::string_view b, std::string_view c) noexcept;

// "a, b c" and then `end`.
void AppendLine(std::string& out, const LinePhrases& line, std::string_view end);

// Every phrase a text of the department can draw, records 1 to the count of each column, read
// once: the text command's set for a whole run. Fails as CheckPhraseFiles does, and first.
struct DepartmentPhrases {
  char letter = ' ';
  std::array<std::int16_t, kColumns> counts{};
  std::array<std::vector<std::string>, kColumns> columns;
};
DepartmentPhrases ReadDepartmentPhrases(const ZINTOK1& state, FileTable& files);

}  // namespace zr
