// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "data/phrase_rules.h"

#include <algorithm>

namespace zr::phrasec {

namespace {

constexpr std::string_view kSentenceEnds = ".!?";

bool IsAsciiUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsAsciiLower(char c) {
  return c >= 'a' && c <= 'z';
}

std::string Quoted(char c) {
  return std::string("'") + c + "'";
}

}  // namespace

LanguageRules RulesForLanguage(std::string_view dictionary) {
  const auto slash = dictionary.find_last_of('/');
  if (slash != std::string_view::npos)
    dictionary.remove_prefix(slash + 1);
  const std::string_view code = dictionary.substr(0, dictionary.find_first_of("_-."));
  if (code == "fr" || code == "es")
    return {.predicateEnds = ".", .wordForms = WordForms::kRomance};
  return {};
}

std::vector<std::string> ColumnProblems(std::string_view phrase, int column,
                                        const std::vector<std::string>& verbs,
                                        const LanguageRules& language) {
  std::vector<std::string> problems;
  const auto quotes = std::count(phrase.begin(), phrase.end(), '"');
  if (quotes % 2 != 0)
    problems.emplace_back("holds an odd number of double quotes, so one never closes");
  if (quotes > 0 && static_cast<std::size_t>(quotes) == phrase.size()) {
    problems.emplace_back("holds nothing but quotes");
    return problems;
  }
  // Quotes at the boundaries belong to the quotation that runs across the line, not to the words.
  std::string_view body = phrase;
  if (body.starts_with('"'))
    body.remove_prefix(1);
  if (body.ends_with('"'))
    body.remove_suffix(1);
  if (body.empty())
    return problems;

  if (column == 1 && IsAsciiLower(body.front()))
    problems.emplace_back("an opening starts with a capital letter");
  if (column > 1 && IsAsciiUpper(body.front()))
    problems.emplace_back("starts with a capital letter; only an opening (column 1) does");
  if (phrase.find("  ") != std::string_view::npos)
    problems.emplace_back("holds two blanks in a row");

  if (column < 3) {
    const auto end = body.find_first_of(kSentenceEnds);
    if (end != std::string_view::npos)
      problems.push_back("holds a sentence end " + Quoted(body[end]) +
                         "; only a predicate (column 3) ends the sentence");
    if (std::string_view(",;:").find(body.back()) != std::string_view::npos)
      problems.push_back("ends with " + Quoted(body.back()) +
                         (column == 1 ? "; the line puts \", \" after an opening"
                                      : "; a predicate follows the subject"));
    return problems;
  }

  const auto lastWordChar = body.find_last_not_of(kSentenceEnds);
  if (lastWordChar == body.size() - 1) {
    problems.emplace_back("a predicate ends the sentence with '.', '!' or '?'");
  } else if (body.find_first_of(kSentenceEnds) <= lastWordChar) {
    problems.push_back("holds a sentence end " + Quoted(body[body.find_first_of(kSentenceEnds)]) +
                       " before its end");
  } else if (language.predicateEnds.find(body.back()) == std::string_view::npos) {
    problems.push_back("ends with " + Quoted(body.back()) +
                       "; in this language a predicate ends with '" +
                       std::string(language.predicateEnds) + "'");
  }
  if (!verbs.empty()) {
    const std::string_view first = body.substr(0, body.find(' '));
    if (std::find(verbs.begin(), verbs.end(), first) == verbs.end())
      problems.push_back("a predicate begins with a verb form of verbs.txt, not '" +
                         std::string(first) + "'");
  }
  return problems;
}

std::string QuoteProblem(std::string_view phrase, int column) {
  const auto quotes = std::count(phrase.begin(), phrase.end(), '"');
  if (quotes % 2 != 0 || static_cast<std::size_t>(quotes) == phrase.size())
    return {};  // ColumnProblems reports these
  std::string_view closing = phrase;
  if (column == 3)
    closing = closing.substr(0, closing.find_last_not_of(kSentenceEnds) + 1);
  const bool opens = phrase.starts_with('"');
  const bool closes = closing.ends_with('"');
  if ((opens || closes) && !(opens && closes && quotes == 2))
    return "a phrase with a quote at its start or end is wholly in quotes and holds no other quote";
  return {};
}

std::string NearDuplicateKey(std::string_view phrase) {
  std::string key;
  for (const char c : phrase) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsAsciiUpper(c))
      key += static_cast<char>(c - 'A' + 'a');
    else if (IsAsciiLower(c) || (c >= '0' && c <= '9') || byte >= 0x80)
      key += c;
  }
  return key;
}

}  // namespace zr::phrasec
