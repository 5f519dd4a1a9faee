// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/phrase_store.h"

#include <algorithm>

#include "runtime/failure.h"

namespace zr {

namespace {

using Counts = std::array<std::int16_t, kColumns>;

// Only CR LF ends a line of the text. A lone CR or LF (a hand-edited file; the phrase compiler
// refuses both) would start a line of its own in the window and on paper, so it reads as a space.
void BlankLoneLineBreaks(std::string& phrase) {
  for (std::size_t i = 0; i < phrase.size(); ++i) {
    if (phrase[i] == '\r' && i + 1 < phrase.size() && phrase[i + 1] == '\n') {
      ++i;
    } else if (phrase[i] == '\r' || phrase[i] == '\n') {
      phrase[i] = ' ';
    }
  }
}

}  // namespace

void LoadDefaultDepartment(ZINTOK1& state, FileTable& files) {
  Counts counts{};
  {
    files.OpenInput(kCountsFileNumber, kCountsFileName);
    FileGuard guard(files, kCountsFileNumber);
    files.ReadNumbers(kCountsFileNumber, counts);
  }
  state.DeptLetter = kDepartments[0].letter;
  state.PhraseCounts = counts;
}

void SelectDepartment(ZINTOK1& state, FileTable& files, std::int16_t index) {
  std::array<Counts, kDepartments.size()> groups{};
  {
    files.OpenInput(kCountsFileNumber, kCountsFileName);
    FileGuard guard(files, kCountsFileNumber);
    for (auto& group : groups) files.ReadNumbers(kCountsFileNumber, group);
  }
  if (index < 0 || index >= std::ssize(kDepartments))
    return;
  const auto row = static_cast<std::size_t>(index);
  state.DeptLetter = kDepartments[row].letter;
  state.PhraseCounts = groups[row];
}

std::string PhraseFileStem(char letter, int column) {
  std::string stem(1, letter);
  stem += static_cast<char>('0' + column);
  return stem;
}

std::string PhraseFileName(char letter, int column) {
  return PhraseFileStem(letter, column) + ".dat";
}

std::string CountsFileText(std::span<const std::string> fields) {
  constexpr auto kPerLine = static_cast<std::size_t>(kColumns);
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i)
    text.append(fields[i]).append((i + 1) % kPerLine != 0 ? "," : "\r\n");
  return text;
}

PhraseFiles::PhraseFiles(FileTable& files, char letter) : files_(files), letter_(letter) {
  int opened = 0;
  try {
    for (; opened < kColumns; ++opened) {
      files_.OpenRecords(opened + 1, PhraseFileName(letter_, opened + 1), kRecordLength);
    }
  } catch (...) {
    // The destructor does not run for a half-built object: close what did open.
    for (; opened >= 1; --opened) files_.Close(opened);
    throw;
  }
}

PhraseFiles::~PhraseFiles() {
  for (int column = kColumns; column >= 1; --column) files_.Close(column);
}

std::string PhraseFiles::Read(int column, std::int16_t record) {
  std::string phrase(TrimTrailingSpaces(files_.ReadRecord(column, record)));
  BlankLoneLineBreaks(phrase);
  return phrase;
}

std::vector<std::string> PhraseFiles::ReadAll(int column, std::int16_t count) {
  const std::string records = files_.ReadRecords(column, 1, count);
  std::vector<std::string> phrases;
  phrases.reserve(static_cast<std::size_t>(std::max<std::int16_t>(count, 0)));
  for (std::size_t at = 0; at < records.size(); at += kRecordLength) {
    std::string& phrase = phrases.emplace_back(
        TrimTrailingSpaces(std::string_view(records).substr(at, kRecordLength)));
    BlankLoneLineBreaks(phrase);
  }
  return phrases;
}

}  // namespace zr
