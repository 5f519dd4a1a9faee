// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// zr_variety PHRASE_DIR [TEXTS]: how fresh the texts of a phrase set stay, per department.
//
// Over TEXTS texts (default 1000) from one seeded run: the share of lines never seen before in the
// run, and the mean number of texts from one coming of a phrase to its next.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "runtime/random.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const auto end = text.find(zr::kLineSeparator, start);
    lines.push_back(text.substr(start, end - start));
    start = end + zr::kLineSeparator.size();
  }
  return lines;
}

// A phrase as it can stand in a line: whole, or without the quote that quote merging dropped.
std::vector<std::string> Forms(const std::string& phrase) {
  std::vector<std::string> forms{phrase};
  const bool opens = phrase.starts_with('"');
  const bool closes = phrase.size() > 1 && phrase.ends_with('"');
  if (opens)
    forms.push_back(phrase.substr(1));
  if (closes)
    forms.push_back(phrase.substr(0, phrase.size() - 1));
  if (opens && closes)
    forms.push_back(phrase.substr(1, phrase.size() - 2));
  return forms;
}

// The record numbers (from 0) behind a line: the first opening, subject and predicate that make it.
std::vector<std::size_t> Records(std::string_view line,
                                 const std::vector<std::vector<std::string>>& phrases) {
  const auto match = [&](std::string_view rest, std::size_t column, std::string_view after,
                         auto&& next) -> bool {
    for (std::size_t r = 0; r < phrases[column].size(); ++r) {
      for (const auto& form : Forms(phrases[column][r])) {
        const std::string head = form + std::string(after);
        if (after.empty() ? rest == form : rest.starts_with(head)) {
          if (next(rest.substr(head.size()), r))
            return true;
        }
      }
    }
    return false;
  };
  std::vector<std::size_t> found(3);
  match(line, 0, ", ", [&](std::string_view rest1, std::size_t a) {
    return match(rest1, 1, " ", [&](std::string_view rest2, std::size_t b) {
      return match(rest2, 2, "", [&](std::string_view, std::size_t c) {
        found = {a, b, c};
        return true;
      });
    });
  });
  return found;
}

std::vector<std::vector<std::string>> ReadPhrases(zr::FileTable& files, const zr::ZINTOK1& state) {
  std::vector<std::vector<std::string>> phrases(zr::kColumns);
  zr::PhraseFiles open(files, state.DeptLetter);
  for (int column = 1; column <= zr::kColumns; ++column) {
    for (std::int16_t r = 1; r <= state.PhraseCounts[static_cast<std::size_t>(column - 1)]; ++r)
      phrases[static_cast<std::size_t>(column - 1)].push_back(open.Read(column, r));
  }
  return phrases;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zr_variety PHRASE_DIR [TEXTS]\n");
    return 2;
  }
  const int texts = argc > 2 ? std::stoi(argv[2]) : 1000;
  try {
    zr::FileTable files(argv[1]);
    zr::ZINTOK1 state;
    std::printf(
        "department            phrases   new lines  texts from a phrase\n"
        "                      a column             to its next coming\n");
    for (std::size_t row = 0; row < zr::kDepartments.size(); ++row) {
      zr::SelectDepartment(state, files, static_cast<std::int16_t>(row));
      const auto phrases = ReadPhrases(files, state);
      zr::SeededRandom random(1);
      std::set<std::string> seen;
      int fresh = 0;
      // Per column: the text each record last came in, and the gaps between its comings.
      std::vector<std::vector<int>> last(zr::kColumns);
      for (std::size_t c = 0; c < last.size(); ++c) last[c].assign(phrases[c].size(), -1);
      double gaps = 0;
      int gapCount = 0;
      for (int t = 0; t < texts; ++t) {
        for (const auto& line : Lines(zr::Generate(state, files, random))) {
          fresh += seen.insert(line).second ? 1 : 0;
          const auto records = Records(line, phrases);
          for (std::size_t c = 0; c < records.size(); ++c) {
            if (last[c][records[c]] >= 0) {
              gaps += t - last[c][records[c]];
              ++gapCount;
            }
            last[c][records[c]] = t;
          }
        }
      }
      const auto [fewest, most] =
          std::minmax({phrases[0].size(), phrases[1].size(), phrases[2].size()});
      std::printf("%-20.*s  %3zu-%3zu   %6.2f %%  %8.1f\n",
                  static_cast<int>(zr::kDepartments[row].caption.size()),
                  zr::kDepartments[row].caption.data(), fewest, most,
                  100.0 * fresh / (texts * zr::kLinesPerText), gaps / gapCount);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zr_variety: %s\n", e.what());
    return 1;
  }
}
