// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

namespace zr::phrasec {

// A Hunspell dictionary with the phrase set's own words added.
class Speller {
 public:
  // The dictionary for `language` ("en_US"), looked up in $DICPATH and then /usr/share/hunspell,
  // or the files language.aff and language.dic when `language` holds a '/'. Null with a one-line
  // reason in `why` when it is missing or cannot be loaded.
  static std::unique_ptr<Speller> Open(const std::string& language, std::string& why);

  ~Speller();
  Speller(const Speller&) = delete;
  Speller& operator=(const Speller&) = delete;

  void Add(std::string_view utf8Word);
  // The words of a UTF-8 phrase that the dictionary does not know, each once, in order.
  std::vector<std::string> UnknownWords(std::string_view utf8Phrase);

 private:
  explicit Speller(std::unique_ptr<Hunspell> hunspell);
  bool Knows(std::string_view utf8Word);

  std::unique_ptr<Hunspell> hunspell_;
  bool utf8_ = true;
  std::string encoding_;
};

}  // namespace zr::phrasec
