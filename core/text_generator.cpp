// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/text_generator.h"

#include <array>

#include "core/phrase_store.h"
#include "runtime/convert.h"
#include "runtime/failure.h"

namespace zr {

namespace {

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

}  // namespace

std::int16_t detail::DrawRecordNumberInFull(std::int16_t count, float u) {
  // The product of two floats is exact in double precision.
  const double product = static_cast<double>(count) * static_cast<double>(u);
  const std::int16_t record = ToInt16(Floor(product) + 1.0);
  return record > count ? count : record;
}

LinePhrases JoinPhrases(std::string_view a, std::string_view b, std::string_view c) noexcept {
  if (!a.empty() && !b.empty() && a.back() == '"' && b.front() == '"') {
    a.remove_suffix(1);
    b.remove_prefix(1);
  }
  // On b as the first merge left it.
  if (!b.empty() && !c.empty() && b.back() == '"' && c.front() == '"') {
    b.remove_suffix(1);
    c.remove_prefix(1);
  }
  return {a, b, c};
}

void AppendLine(std::string& out, const LinePhrases& line, std::string_view end) {
  const std::size_t start = out.size();
  out.resize(start + LineSize(line, end));
  WriteLine(out.data() + start, line, end);
}

void CheckPhraseFiles(const ZINTOK1& state, FileTable& files) {
  CheckCounts(state, files);
  PhraseFiles phrases(files, state.DeptLetter);
  for (int column = 1; column <= kColumns; ++column)
    phrases.Read(column, state.PhraseCounts[static_cast<std::size_t>(column - 1)]);
}

DepartmentPhrases ReadDepartmentPhrases(const ZINTOK1& state, FileTable& files) {
  CheckPhraseFiles(state, files);
  DepartmentPhrases department;
  department.letter = state.DeptLetter;
  department.counts = state.PhraseCounts;
  PhraseFiles phrases(files, state.DeptLetter);
  for (int column = 1; column <= kColumns; ++column) {
    const auto c = static_cast<std::size_t>(column - 1);
    department.columns[c] = phrases.ReadAll(column, state.PhraseCounts[c]);
  }
  return department;
}

std::string Generate(const ZINTOK1& state, FileTable& files, RandomSource& random) {
  CheckCounts(state, files);
  PhraseFiles phrases(files, state.DeptLetter);
  const TextRecords records = DrawRecords(state.PhraseCounts, random);
  std::string text;
  text.reserve(kLinesPerText * (3 * kRecordLength + 5));
  for (const auto& line : records) {
    const std::string a = phrases.Read(1, line[0]);
    const std::string b = phrases.Read(2, line[1]);
    const std::string c = phrases.Read(3, line[2]);
    AppendLine(text, JoinPhrases(a, b, c), kLineSeparator);
  }
  return text;
}

}  // namespace zr
