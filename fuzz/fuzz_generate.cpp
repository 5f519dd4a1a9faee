// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// Fuzzes text generation over arbitrary phrase files. Input: three little-endian 16-bit counts,
// then the bytes of E1.dat, E2.dat and E3.dat (the rest split in three equal parts, the last one
// taking the remainder).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "fuzz/fuzz_support.h"
#include "runtime/failure.h"
#include "runtime/random.h"

namespace {

constexpr std::size_t kHeader = 2 * zr::kColumns;
constexpr std::size_t kLongestLine = 3 * zr::kRecordLength + 5;

std::size_t CountPairs(std::string_view text) {
  std::size_t pairs = 0;
  for (auto at = text.find(zr::kLineSeparator); at != std::string_view::npos;
       at = text.find(zr::kLineSeparator, at + zr::kLineSeparator.size())) {
    ++pairs;
  }
  return pairs;
}

void CheckText(const std::string& text) {
  if (CountPairs(text) != zr::kLinesPerText) {
    zr::fuzz::Fail("the text has " + std::to_string(CountPairs(text)) + " line ends");
  }
  if (!std::string_view(text).ends_with(zr::kLineSeparator)) {
    zr::fuzz::Fail("the text does not end with a line end");
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool crOfPair = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    const bool lfOfPair = text[i] == '\n' && i > 0 && text[i - 1] == '\r';
    if ((text[i] == '\r' && !crOfPair) || (text[i] == '\n' && !lfOfPair)) {
      zr::fuzz::Fail("a lone CR or LF at byte " + std::to_string(i) + " would start a line");
    }
  }
  std::size_t start = 0;
  for (int line = 0; line < zr::kLinesPerText; ++line) {
    const std::size_t end = text.find(zr::kLineSeparator, start) + zr::kLineSeparator.size();
    const std::string_view one(text.data() + start, end - start);
    // Two trimmed records of at most 40 bytes and three joined by ", " and " ".
    if (one.size() > kLongestLine || one.find(", ") == std::string_view::npos) {
      zr::fuzz::Fail("line " + std::to_string(line + 1) + " is not three joined phrases");
    }
    start = end;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeader)
    return 0;
  zr::ZINTOK1 state;
  state.DeptLetter = zr::kDepartments[0].letter;
  for (std::size_t c = 0; c < state.PhraseCounts.size(); ++c) {
    state.PhraseCounts[c] = static_cast<std::int16_t>(data[2 * c] | (data[2 * c + 1] << 8));
  }

  // A CR LF pair inside a phrase is a line end the generator keeps. Compiled phrase files never
  // hold control characters, so here its LF stands in for another byte; a lone CR or LF stays, to
  // be read as a space.
  std::string rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  for (std::size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] == '\n' && rest[i - 1] == '\r')
      rest[i] = '~';
  }
  const std::size_t part = rest.size() / zr::kColumns;
  for (int column = 1; column <= zr::kColumns; ++column) {
    const auto from = static_cast<std::size_t>(column - 1) * part;
    const std::size_t length = column == zr::kColumns ? rest.size() - from : part;
    zr::fuzz::WriteFile(zr::PhraseFileName(state.DeptLetter, column), rest.substr(from, length));
  }

  static zr::FileTable files(zr::fuzz::ScratchDir());
  constexpr std::uint64_t kSeed = 20240601u;
  zr::FixedSeedRandom random(kSeed);
  bool tooFew = false;
  for (const auto count : state.PhraseCounts) tooFew = tooFew || count < zr::kLinesPerText;

  std::string text;
  try {
    text = zr::Generate(state, files, random);
  } catch (const zr::Failure& failure) {
    zr::fuzz::ExpectNoFileOpen(files, "a failed Generate");
    const int number = failure.number();
    const int wanted = zr::err::kBadRecordNumber;
    if (tooFew && number != wanted) {
      zr::fuzz::Fail("a count below 12 failed with " + std::to_string(number));
    }
    if (number != wanted && number != zr::err::kInputPastEndOfFile) {
      zr::fuzz::Fail("unexpected failure " + std::to_string(number) + ": " + failure.what());
    }
    return 0;
  }
  zr::fuzz::ExpectNoFileOpen(files, "Generate");
  if (tooFew)
    zr::fuzz::Fail("a count below 12 did not fail");
  CheckText(text);
  // A fresh source of the same seed over the same files: the same text.
  zr::FixedSeedRandom replay(kSeed);
  const std::string again = zr::Generate(state, files, replay);
  if (again != text)
    zr::fuzz::Fail("a second run differs:\n" + text + "--- then:\n" + again);
  return 0;
}
