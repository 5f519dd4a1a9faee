// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/content_words.h"

namespace zr::phrasec {

// What a set's language asks beyond the rules every set keeps.
struct LanguageRules {
  // The marks that may close a predicate. French puts a blank before '!' and '?', and Spanish
  // opens them with '¡' and '¿': a line has no place for either, so both end with '.' only.
  std::string_view predicateEnds = ".!?";
  WordForms wordForms = WordForms::kEnglish;
};

// The rules of the language a Hunspell dictionary name begins with ("fr_FR", "es_ES", or a path
// to such a dictionary); English ones for any other.
LanguageRules RulesForLanguage(std::string_view dictionary);

// What a program can check of "opening, subject predicate": the problems of one phrase of that
// column (1 to 3), each as a message. `verbs` are the forms a predicate may begin with; when the
// set declares none, the first word of a predicate is not checked.
std::vector<std::string> ColumnProblems(std::string_view phrase, int column,
                                        const std::vector<std::string>& verbs,
                                        const LanguageRules& language = {});

// The quote rule that keeps quotations whole when phrases meet: a phrase with a double quote at its
// start or end is wholly in quotes (in a predicate the closing punctuation may follow the final
// quote) and holds no other. Empty when the phrase keeps it; an odd number of quotes is one of
// ColumnProblems.
std::string QuoteProblem(std::string_view phrase, int column);

// Equal for phrases that differ only in case, punctuation or spacing.
std::string NearDuplicateKey(std::string_view phrase);

}  // namespace zr::phrasec
