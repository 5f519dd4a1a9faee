// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "data/spelling.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <hunspell/hunspell.hxx>
#include <optional>

#include "runtime/text.h"

namespace fs = std::filesystem;

namespace zr::phrasec {

namespace {

// Converts UTF-8 to a dictionary's own encoding; empty when a character has no place there.
std::optional<std::string> FromUtf8(std::string_view utf8, const std::string& encoding) {
  return ConvertCharset(utf8, "UTF-8", encoding.c_str());
}

// A .dic file starts with its approximate word count; anything else is not a dictionary. Gives
// the first entry's word (empty when there is none), which a loaded dictionary must know.
std::optional<std::string> FirstEntry(const fs::path& aff, const fs::path& dic) {
  std::error_code error;
  if (!fs::is_regular_file(aff, error) || !fs::is_regular_file(dic, error))
    return std::nullopt;
  std::ifstream affIn(aff, std::ios::binary);
  std::ifstream dicIn(dic, std::ios::binary);
  std::string first;
  if (!affIn || !std::getline(dicIn, first))
    return std::nullopt;
  if (first.starts_with("\xEF\xBB\xBF"))
    first.erase(0, 3);
  if (first.empty() || first.front() < '0' || first.front() > '9')
    return std::nullopt;
  std::string entry;
  std::getline(dicIn, entry);
  // Flags follow a slash; morphological fields follow a blank.
  entry.erase(std::min(entry.find_first_of("/ \t\r"), entry.size()));
  return entry;
}

std::optional<fs::path> FindDictionary(const std::string& language) {
  if (language.find('/') != std::string::npos)
    return fs::path(language);
  std::vector<fs::path> dirs;
  if (const char* dicpath = std::getenv("DICPATH")) {
    std::string_view rest = dicpath;
    while (!rest.empty()) {
      const auto colon = rest.find(':');
      if (colon != 0)
        dirs.emplace_back(rest.substr(0, colon));
      rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
  }
  dirs.emplace_back("/usr/share/hunspell");
  std::error_code error;
  for (const auto& dir : dirs) {
    if (fs::exists(dir / (language + ".dic"), error))
      return dir / language;
  }
  return std::nullopt;
}

bool IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'';
}

std::string_view TrimApostrophes(std::string_view word) {
  while (!word.empty() && word.front() == '\'') word.remove_prefix(1);
  while (!word.empty() && word.back() == '\'') word.remove_suffix(1);
  return word;
}

// The part of a blank-separated chunk between its leading and trailing punctuation.
std::string_view TrimPunctuation(std::string_view chunk) {
  const auto isEdge = [](char c) { return !IsWordByte(c) || c == '\''; };
  while (!chunk.empty() && isEdge(chunk.front())) chunk.remove_prefix(1);
  while (!chunk.empty() && isEdge(chunk.back())) chunk.remove_suffix(1);
  return chunk;
}

}  // namespace

std::unique_ptr<Speller> Speller::Open(const std::string& language, std::string& why) {
  const auto base = FindDictionary(language);
  if (!base) {
    why = "no Hunspell dictionary for " + language;
    return nullptr;
  }
  const fs::path aff = base->string() + ".aff";
  const fs::path dic = base->string() + ".dic";
  const auto entry = FirstEntry(aff, dic);
  // Hunspell reports no failure of its own: a dictionary it could not load knows no word.
  auto hunspell = entry ? std::make_unique<Hunspell>(aff.c_str(), dic.c_str()) : nullptr;
  if (!hunspell || (!entry->empty() && !hunspell->spell(*entry))) {
    why = "cannot load the Hunspell dictionary " + dic.string();
    return nullptr;
  }
  auto speller = std::unique_ptr<Speller>(new Speller(std::move(hunspell)));
  std::string encoding = speller->hunspell_->get_dict_encoding();
  std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  speller->utf8_ = encoding == "UTF-8" || encoding == "UTF8";
  speller->encoding_ = encoding.empty() ? "ISO8859-1" : encoding;
  if (!speller->utf8_ && !FromUtf8("a", speller->encoding_)) {
    why = dic.string() + ": unknown encoding " + speller->encoding_;
    return nullptr;
  }
  return speller;
}

Speller::Speller(std::unique_ptr<Hunspell> hunspell) : hunspell_(std::move(hunspell)) {}

Speller::~Speller() = default;

void Speller::Add(std::string_view utf8Word) {
  if (utf8_) {
    hunspell_->add(std::string(utf8Word));
  } else if (const auto word = FromUtf8(utf8Word, encoding_)) {
    hunspell_->add(*word);
  }
}

bool Speller::Knows(std::string_view utf8Word) {
  if (utf8_)
    return hunspell_->spell(std::string(utf8Word));
  const auto word = FromUtf8(utf8Word, encoding_);
  return word && hunspell_->spell(*word);
}

std::vector<std::string> Speller::UnknownWords(std::string_view phrase) {
  std::vector<std::string> unknown;
  const auto report = [&](std::string_view word) {
    if (std::find(unknown.begin(), unknown.end(), word) == unknown.end())
      unknown.emplace_back(word);
  };
  std::size_t pos = 0;
  while (pos < phrase.size()) {
    const auto end = std::min(phrase.find(' ', pos), phrase.size());
    const std::string_view chunk = phrase.substr(pos, end - pos);
    pos = end + 1;
    // Figures and codes ("Q3", "24/7", "360-degree") are no words a dictionary could know.
    if (std::any_of(chunk.begin(), chunk.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    // The whole chunk first, so a listed "FP&A" or a hyphenated dictionary word passes as one.
    const std::string_view whole = TrimPunctuation(chunk);
    if (whole.empty() || Knows(whole))
      continue;
    std::size_t start = 0;
    while (start < whole.size()) {
      std::size_t stop = start;
      while (stop < whole.size() && IsWordByte(whole[stop])) ++stop;
      const std::string_view word = TrimApostrophes(whole.substr(start, stop - start));
      if (!word.empty() && !Knows(word))
        report(word);
      start = stop + 1;
    }
  }
  return unknown;
}

}  // namespace zr::phrasec
