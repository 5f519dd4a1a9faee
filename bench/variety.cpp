// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// zr_variety PHRASE_DIR [TEXTS [FUNCTION_WORDS]]: how fresh the texts of a phrase set stay, per
// department.
//
// Over TEXTS texts (default 1000) from one seeded run: the share of lines never seen before in the
// run, the mean number of texts from one coming of a phrase to its next, and the share of texts in
// which one content word fills three or more of the twelve lines. Content words are those the
// phrase compiler counts, by the list FUNCTION_WORDS (default: the bundled set's).

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "data/content_words.h"
#include "data/phrase_rules.h"
#include "runtime/random.h"
#include "tests/support/fakes.h"

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

// A word list of a phrase set: one a line, blank lines and "#" comments aside.
std::vector<std::string> ReadWordList(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error(std::string(path) + ": cannot read");
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("\xEF\xBB\xBF"))
      line.erase(0, 3);
    if (line.ends_with('\r'))
      line.pop_back();
    if (!line.empty() && !line.starts_with('#'))
      words.push_back(line);
  }
  return words;
}

// A reader notices a word that comes back on three lines of one text.
constexpr int kNoticedLines = 3;

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
    std::fprintf(stderr, "usage: zr_variety PHRASE_DIR [TEXTS [FUNCTION_WORDS [LANGUAGE]]]\n");
    return 2;
  }
  const int texts = argc > 2 ? std::stoi(argv[2]) : 1000;
  // Words are counted as the compiler counts them for the set's language ("fr_FR", "es").
  const zr::WordForms forms = zr::phrasec::RulesForLanguage(argc > 4 ? argv[4] : "en").wordForms;
  try {
    const zr::ContentWords contentWords(ReadWordList(argc > 3 ? argv[3] : ZR_FUNCTION_WORDS),
                                        forms);
    zr::FileTable files(argv[1]);
    zr::ZINTOK1 state;
    std::printf(
        "department            phrases   new lines  texts from a phrase  texts with a word\n"
        "                      a column             to its next coming   on 3+ lines\n");
    for (std::size_t row = 0; row < zr::kDepartments.size(); ++row) {
      zr::SelectDepartment(state, files, static_cast<std::int16_t>(row));
      const auto phrases = ReadPhrases(files, state);
      std::vector<std::vector<std::vector<std::string>>> words(zr::kColumns);  // per record
      for (std::size_t c = 0; c < words.size(); ++c) {
        for (const auto& phrase : phrases[c]) words[c].push_back(contentWords.Of(phrase));
      }
      zr::test::SeededRandom random(1);
      std::set<std::string> seen;
      int fresh = 0;
      // Per column: the text each record last came in, and the gaps between its comings.
      std::vector<std::vector<int>> last(zr::kColumns);
      for (std::size_t c = 0; c < last.size(); ++c) last[c].assign(phrases[c].size(), -1);
      double gaps = 0;
      int gapCount = 0;
      int echoing = 0;  // texts in which a content word fills kNoticedLines lines or more
      for (int t = 0; t < texts; ++t) {
        std::map<std::string, int, std::less<>> linesWith;
        for (const auto& line : Lines(zr::Generate(state, files, random))) {
          fresh += seen.insert(line).second ? 1 : 0;
          const auto records = Records(line, phrases);
          std::set<std::string_view> inLine;
          for (std::size_t c = 0; c < records.size(); ++c) {
            if (last[c][records[c]] >= 0) {
              gaps += t - last[c][records[c]];
              ++gapCount;
            }
            last[c][records[c]] = t;
            inLine.insert(words[c][records[c]].begin(), words[c][records[c]].end());
          }
          for (const auto word : inLine) ++linesWith[std::string(word)];
        }
        echoing += std::any_of(linesWith.begin(), linesWith.end(),
                               [](const auto& entry) { return entry.second >= kNoticedLines; })
                       ? 1
                       : 0;
      }
      const auto [fewest, most] =
          std::minmax({phrases[0].size(), phrases[1].size(), phrases[2].size()});
      std::printf("%-20.*s  %3zu-%3zu   %6.2f %%  %8.1f             %6.1f %%\n",
                  static_cast<int>(zr::kDepartments[row].caption.size()),
                  zr::kDepartments[row].caption.data(), fewest, most,
                  100.0 * fresh / (texts * zr::kLinesPerText), gaps / gapCount,
                  100.0 * echoing / texts);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zr_variety: %s\n", e.what());
    return 1;
  }
}
