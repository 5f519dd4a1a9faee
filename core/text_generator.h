// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <cstring>
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

namespace detail {
// DrawRecordNumber for any count and value, overflow failure included.
std::int16_t DrawRecordNumberInFull(std::int16_t count, float u);

// Record numbers already drawn in one column of the current text.
class PickList {
 public:
  bool Contains(std::int16_t record) const noexcept {
    for (std::size_t i = 0; i < size_; ++i) {
      if (picks_[i] == record)
        return true;
    }
    return false;
  }
  void Add(std::int16_t record) noexcept { picks_[size_++] = record; }

 private:
  std::array<std::int16_t, kLinesPerText> picks_{};
  std::size_t size_ = 0;
};
}  // namespace detail

// One draw: floor(count * u) + 1 as a 16-bit number, lowered to count when it exceeds it.
inline std::int16_t DrawRecordNumber(std::int16_t count, float u) {
  // count * u is exact in double precision; for a count above 0 and u in [0, 1) it lies in
  // [0, count), where truncation is the floor and the result needs no clamp.
  if (count > 0 && u >= 0.0f && u < 1.0f)
    return static_cast<std::int16_t>(
        static_cast<int>(static_cast<double>(count) * static_cast<double>(u)) + 1);
  return detail::DrawRecordNumberInFull(count, u);
}

// The record numbers of one text, line by line in column order.
using TextRecords = std::array<std::array<std::int16_t, kColumns>, kLinesPerText>;

// Seeds `random` for a new text and draws its records, no record twice in a column: the one draw of
// every text, the window's from its files and the text command's from memory alike. A template
// so that the text command's random sources, final classes, draw inline.
template <class Random>
TextRecords DrawRecords(const std::array<std::int16_t, kColumns>& counts, Random& random) {
  random.Seed();
  std::array<detail::PickList, kColumns> picks;
  TextRecords records{};
  for (auto& line : records) {
    for (std::size_t c = 0; c < line.size(); ++c) {
      std::int16_t record;
      do {
        record = DrawRecordNumber(counts[c], random.Next());
      } while (picks[c].Contains(record));
      picks[c].Add(record);
      line[c] = record;
    }
  }
  return records;
}

// The three phrases of a line as they are joined: a closing quote of one phrase and an opening
// quote of the next are both dropped, so that a quotation runs across the boundary.
struct LinePhrases {
  std::string_view a, b, c;
};
LinePhrases JoinPhrases(std::string_view a, std::string_view b, std::string_view c) noexcept;

// "a, b c" and then `end`.
void AppendLine(std::string& out, const LinePhrases& line, std::string_view end);

// The bytes of that line, and the line written at `to`, returning its end: for a caller that sizes
// its buffer once for many lines. With a slack, every phrase has that many bytes readable from its
// start and `to` that many writable past the line: a phrase no longer than the slack is copied as
// one block of that size, and the next part overwrites what lies past its end.
inline std::size_t LineSize(const LinePhrases& line, std::string_view end) noexcept {
  return line.a.size() + line.b.size() + line.c.size() + 3 + end.size();
}
template <std::size_t kSlack = 0>
char* WriteLine(char* to, const LinePhrases& line, std::string_view end) noexcept {
  const auto phrase = [&to](std::string_view part) {
    if (kSlack > 0 && part.size() <= kSlack) {
      std::memcpy(to, part.data(), kSlack);
    } else {
      std::memcpy(to, part.data(), part.size());
    }
    to += part.size();
  };
  phrase(line.a);
  *to++ = ',';
  *to++ = ' ';
  phrase(line.b);
  *to++ = ' ';
  phrase(line.c);
  std::memcpy(to, end.data(), end.size());
  return to + end.size();
}

// Every phrase a text of the department can draw, records 1 to the count of each column, read
// once: the text command's set for a whole run. Fails as CheckPhraseFiles does, and first.
struct DepartmentPhrases {
  char letter = ' ';
  std::array<std::int16_t, kColumns> counts{};
  std::array<std::vector<std::string>, kColumns> columns;
};
DepartmentPhrases ReadDepartmentPhrases(const ZINTOK1& state, FileTable& files);

}  // namespace zr
