// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

#include "data/content_words.h"

namespace zr::phrasec {

struct SourcePhrase {
  int line = 0;
  std::string text;  // Windows-1252
};

struct SourceFile {
  std::string name;  // "E2.txt"
  char department = 'E';
  int column = 1;
  std::vector<SourcePhrase> phrases;
};

struct Finding {
  std::string where;  // FILE:LINE, or the files of a column pair
  std::string message;
};

// What a reader of many texts notices across the whole set: a content word in more than 5% of a
// file's phrases, pairs of a department's columns that share a content word in more than 0.5% of
// their combinations (with the words behind most of them), and a phrase that stands in two files.
// Without `words` (a set with no list of function words) only the last is checked.
std::vector<Finding> RepetitionFindings(const std::vector<SourceFile>& files,
                                        const ContentWords* words);

}  // namespace zr::phrasec
