// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "data/repetition.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "data/phrase_rules.h"
#include "runtime/text.h"

namespace zr::phrasec {

namespace {

// A reader meets a word in more than one phrase in twenty as a tic of the writer.
constexpr std::size_t kPhrasesPerWord = 20;
// One line in two hundred that says a word twice is already one in every other text.
constexpr double kMostSharedPairs = 0.005;
// The words named for a column pair: those behind most of its shared pairs, never a long list.
constexpr std::size_t kMostWordsNamed = 5;
// The lines named for one word; a set that repeats itself more is told how many more.
constexpr std::size_t kMostLinesNamed = 24;

// Per file: the phrases (by index) that hold each content word.
using WordIndex = std::map<std::string, std::vector<std::size_t>, std::less<>>;

struct IndexedFile {
  const SourceFile* file = nullptr;
  std::vector<std::vector<std::string>> words;  // per phrase
  WordIndex index;
};

std::string Where(const SourceFile& file, std::size_t phrase) {
  return file.name + ':' + std::to_string(file.phrases[phrase].line);
}

std::string Word(const std::string& cp1252) {
  return "'" + Cp1252ToUtf8(cp1252) + "'";
}

// "a, b, c", at most kMostLinesNamed of them.
std::string List(const std::vector<std::string>& items) {
  std::string list;
  for (std::size_t i = 0; i < items.size() && i < kMostLinesNamed; ++i)
    list += (i > 0 ? ", " : "") + items[i];
  if (items.size() > kMostLinesNamed)
    list += " and " + std::to_string(items.size() - kMostLinesNamed) + " more";
  return list;
}

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f%%", 100.0 * share);
  return text;
}

std::string_view ColumnNoun(int column) {
  return column == 1 ? "opening" : column == 2 ? "subject" : "predicate";
}

IndexedFile Indexed(const SourceFile& file, const ContentWords& contentWords) {
  IndexedFile indexed{&file, {}, {}};
  for (std::size_t p = 0; p < file.phrases.size(); ++p) {
    indexed.words.push_back(contentWords.Of(file.phrases[p].text));
    for (const auto& word : indexed.words.back()) indexed.index[word].push_back(p);
  }
  return indexed;
}

void FrequentWords(const IndexedFile& indexed, std::vector<Finding>& out) {
  const SourceFile& file = *indexed.file;
  const std::size_t count = file.phrases.size();
  std::vector<std::pair<std::size_t, Finding>> found;
  for (const auto& [word, phrases] : indexed.index) {
    if (phrases.size() < 2 || phrases.size() * kPhrasesPerWord <= count)
      continue;
    std::vector<std::string> lines;
    for (std::size_t i = 1; i < phrases.size(); ++i)
      lines.push_back(std::to_string(file.phrases[phrases[i]].line));
    found.push_back(
        {phrases.front(),
         {Where(file, phrases.front()),
          Word(word) + " stands in " + std::to_string(phrases.size()) + " of the file's " +
              std::to_string(count) + " phrases, more than 5% (also lines " + List(lines) + ")"}});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  for (auto& [first, finding] : found) out.push_back(std::move(finding));
}

// The pairs of a phrase of `a` and a phrase of `b` that share a content word: each phrase of `a`
// marks the phrases of `b` that hold any of its words, so the work follows the shared words, not
// every pair.
void SharedPairs(const IndexedFile& a, const IndexedFile& b, std::vector<Finding>& out) {
  const std::size_t countA = a.file->phrases.size();
  const std::size_t countB = b.file->phrases.size();
  if (countA == 0 || countB == 0)
    return;
  std::vector<std::size_t> markedBy(countB, countA);
  std::uint64_t shared = 0;
  for (std::size_t p = 0; p < countA; ++p) {
    for (const auto& word : a.words[p]) {
      const auto holders = b.index.find(word);
      if (holders == b.index.end())
        continue;
      for (const std::size_t q : holders->second) {
        if (markedBy[q] != p) {
          markedBy[q] = p;
          ++shared;
        }
      }
    }
  }
  const double share =
      static_cast<double>(shared) / (static_cast<double>(countA) * static_cast<double>(countB));
  if (share <= kMostSharedPairs)
    return;
  out.push_back({a.file->name + '+' + b.file->name,
                 Percent(share) + " of the " + std::string(ColumnNoun(a.file->column)) + "-" +
                     std::string(ColumnNoun(b.file->column)) +
                     " pairs share a content word, more than 0.5%"});

  std::vector<std::pair<std::uint64_t, std::string>> causes;
  for (const auto& [word, phrases] : a.index) {
    if (const auto holders = b.index.find(word); holders != b.index.end())
      causes.emplace_back(phrases.size() * holders->second.size(), word);
  }
  std::stable_sort(causes.begin(), causes.end(),
                   [](const auto& x, const auto& y) { return x.first > y.first; });
  std::uint64_t named = 0;
  for (std::size_t i = 0; i < causes.size() && i < kMostWordsNamed && 2 * named < shared; ++i) {
    const auto& [pairs, word] = causes[i];
    named += pairs;
    const auto& inA = a.index.find(word)->second;
    const auto& inB = b.index.find(word)->second;
    std::vector<std::string> lines;
    for (std::size_t k = 1; k < inA.size(); ++k) lines.push_back(Where(*a.file, inA[k]));
    for (const std::size_t q : inB) lines.push_back(Where(*b.file, q));
    out.push_back({Where(*a.file, inA.front()), Word(word) + " is shared by " +
                                                    std::to_string(pairs) + " of those pairs (" +
                                                    List(lines) + ")"});
  }
}

void PhrasesInTwoFiles(const std::vector<SourceFile>& files, std::vector<Finding>& out) {
  std::map<std::string, std::string, std::less<>> firstWhere;
  for (const auto& file : files) {
    std::set<std::string, std::less<>> inThisFile;  // a repeat within one file is reported apart
    for (std::size_t p = 0; p < file.phrases.size(); ++p) {
      std::string key = NearDuplicateKey(file.phrases[p].text);
      if (!inThisFile.insert(key).second)
        continue;
      const auto [first, fresh] = firstWhere.try_emplace(std::move(key), Where(file, p));
      if (!fresh)
        out.push_back({Where(file, p), "also in " + first->second});
    }
  }
}

}  // namespace

std::vector<Finding> RepetitionFindings(const std::vector<SourceFile>& files,
                                        const ContentWords* words) {
  std::vector<Finding> out;
  if (words != nullptr) {
    std::vector<IndexedFile> indexed;
    indexed.reserve(files.size());
    for (const auto& file : files) {
      indexed.push_back(Indexed(file, *words));
      FrequentWords(indexed.back(), out);
    }
    for (const auto& a : indexed) {
      for (const auto& b : indexed) {
        if (a.file->department == b.file->department && a.file->column < b.file->column)
          SharedPairs(a, b, out);
      }
    }
  }
  PhrasesInTwoFiles(files, out);
  return out;
}

}  // namespace zr::phrasec
