// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zr {

// How a language marks its plurals and joins words, which decides when two words are one.
enum class WordForms {
  kEnglish,  // "teams" and "strategies" fold to "team" and "strategy"; "team's" is "team"
  kRomance,  // French and Spanish: a final s goes; an elision ("l'équipe") is two words
};

// The words a reader notices when they come back: every word of a phrase but the function words
// of the set's list. The phrase compiler's repetition checks and the variety figures count with
// this one definition, so the writers' measure and the build's agree.
class ContentWords {
 public:
  // `functionWords` in UTF-8, one word each; a word Windows-1252 cannot hold is never in a phrase.
  explicit ContentWords(const std::vector<std::string>& functionWords,
                        WordForms forms = WordForms::kEnglish);

  // The content words of a Windows-1252 phrase, each once, sorted: a word is a run of letters,
  // apostrophes and hyphens, folded to lower case, without a possessive "'s" and the apostrophes
  // and hyphens at its ends, and singular ("teams" and "team", "strategies" and "strategy" are one
  // word); in a Romance language an apostrophe ends a word. Words of one letter do not count.
  std::vector<std::string> Of(std::string_view phrase) const;

 private:
  std::set<std::string, std::less<>> functionWords_;
  WordForms forms_;
};

}  // namespace zr
