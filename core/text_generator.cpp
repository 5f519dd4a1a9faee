// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/text_generator.h"

#include <algorithm>
#include <array>

#include "core/phrase_store.h"
#include "runtime/convert.h"
#include "runtime/failure.h"

namespace zr {

namespace {

// Record numbers already drawn in one column of the current text.
class PickList {
 public:
  bool Contains(std::int16_t record) const {
    const auto end = picks_.begin() + static_cast<std::ptrdiff_t>(size_);
    return std::find(picks_.begin(), end, record) != end;
  }
  void Add(std::int16_t record) { picks_[size_++] = record; }

 private:
  std::array<std::int16_t, kLinesPerText> picks_{};
  std::size_t size_ = 0;
};

void CheckCounts(const ZINTOK1& state, const FileTable& files) {
  for (int column = 1; column <= kColumns; ++column) {
    const std::int16_t count = state.PhraseCounts[static_cast<std::size_t>(column - 1)];
    // Fewer records than lines would redraw forever; none at all would read record 0.
    if (count < kLinesPerText) {
      throw Failure(err::kBadRecordNumber,
                    files.PathOf(kCountsFileName) + ": the count of " +
                        PhraseFileName(state.DeptLetter, column) + " is " + std::to_string(count) +
                        ", below the " + std::to_string(kLinesPerText) + " records a text needs");
    }
  }
}

std::int16_t DrawUnused(std::int16_t count, PickList& picks, RandomSource& random) {
  std::int16_t record;
  do {
    record = DrawRecordNumber(count, random.Next());
  } while (picks.Contains(record));
  picks.Add(record);
  return record;
}

}  // namespace

std::int16_t DrawRecordNumber(std::int16_t count, float u) {
  // The product of two floats is exact in double precision.
  const double product = static_cast<double>(count) * static_cast<double>(u);
  const std::int16_t record = ToInt16(Floor(product) + 1.0);
  return record > count ? count : record;
}

void MergeQuotes(std::string& left, std::string& right) {
  if (!left.empty() && !right.empty() && left.back() == '"' && right.front() == '"') {
    left.pop_back();
    right.erase(0, 1);
  }
}

void CheckPhraseFiles(const ZINTOK1& state, FileTable& files) {
  CheckCounts(state, files);
  PhraseFiles phrases(files, state.DeptLetter);
  for (int column = 1; column <= kColumns; ++column)
    phrases.Read(column, state.PhraseCounts[static_cast<std::size_t>(column - 1)]);
}

std::string Generate(const ZINTOK1& state, FileTable& files, RandomSource& random) {
  CheckCounts(state, files);
  PhraseFiles phrases(files, state.DeptLetter);
  random.Seed();

  std::array<PickList, kColumns> picks;
  std::string text;
  text.reserve(kLinesPerText * (3 * kRecordLength + 5));
  for (int line = 0; line < kLinesPerText; ++line) {
    std::array<std::int16_t, kColumns> records{};
    for (std::size_t c = 0; c < records.size(); ++c) {
      records[c] = DrawUnused(state.PhraseCounts[c], picks[c], random);
    }
    std::string a = phrases.Read(1, records[0]);
    std::string b = phrases.Read(2, records[1]);
    std::string c = phrases.Read(3, records[2]);
    MergeQuotes(a, b);
    MergeQuotes(b, c);
    text.append(a).append(", ").append(b).append(" ").append(c).append(kLineSeparator);
  }
  return text;
}

}  // namespace zr
