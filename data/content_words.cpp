// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "data/content_words.h"

#include <algorithm>

#include "runtime/text.h"

namespace zr {

namespace {

constexpr char kRightQuote = '\x92';  // the typographic apostrophe, counted as the plain one

bool IsWordByte(char c, WordForms forms) {
  const auto byte = static_cast<unsigned char>(c);
  if (c == '\'' || c == kRightQuote)
    return forms == WordForms::kEnglish;
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || byte >= 0xC0 || c == '-';
}

// Windows-1252 lower case of the letters a word can hold: A-Z and the accented capitals.
char Fold(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((c >= 'A' && c <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
    return static_cast<char>(byte + 0x20);
  return c == kRightQuote ? '\'' : c;
}

// Lower case, without a possessive and the apostrophes and hyphens around the word.
std::string Trimmed(std::string word) {
  std::transform(word.begin(), word.end(), word.begin(), Fold);
  if (word.ends_with("'s"))
    word.resize(word.size() - 2);
  const auto first = word.find_first_not_of("'-");
  if (first == std::string::npos)
    return {};
  return word.substr(first, word.find_last_not_of("'-") - first + 1);
}

// The plural folds into the singular: "strategies" to "strategy", "teams" to "team", but not
// "process" or "bus"; "stratégies" to "stratégie", "equipos" to "equipo".
std::string Singular(std::string word, WordForms forms) {
  if (forms == WordForms::kEnglish && word.size() > 4 && word.ends_with("ies"))
    return word.replace(word.size() - 3, 3, "y");
  if (word.size() > 3 && word.ends_with('s') && !word.ends_with("ss"))
    word.pop_back();
  return word;
}

}  // namespace

ContentWords::ContentWords(const std::vector<std::string>& functionWords, WordForms forms)
    : forms_(forms) {
  for (const auto& word : functionWords) {
    if (const auto encoded = Utf8ToCp1252(word))
      functionWords_.insert(Trimmed(*encoded));
  }
}

std::vector<std::string> ContentWords::Of(std::string_view phrase) const {
  std::vector<std::string> words;
  for (std::size_t start = 0; start < phrase.size();) {
    if (!IsWordByte(phrase[start], forms_)) {
      ++start;
      continue;
    }
    std::size_t end = start;
    while (end < phrase.size() && IsWordByte(phrase[end], forms_)) ++end;
    std::string word = Trimmed(std::string(phrase.substr(start, end - start)));
    start = end;
    if (word.size() > 1 && !functionWords_.contains(word))
      words.push_back(Singular(std::move(word), forms_));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

}  // namespace zr
