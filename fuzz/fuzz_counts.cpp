// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// Fuzzes the counts file: the input bytes are zintok.dat. Checks that reading it either fails with
// a zr::Failure and leaves the state alone, or sets exactly the numbers in the file, and that the
// file is closed on every path.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/phrase_store.h"
#include "fuzz/fuzz_support.h"
#include "runtime/failure.h"

namespace {

// An independent reading of the counts format, kept deliberately naive: whole numbers separated
// by commas or line ends, blanks around them, an optional leading UTF-8 byte-order mark.
struct Parsed {
  std::vector<std::int16_t> values;
  int failure = 0;  // 0 when all wanted values were read
};

Parsed ParseCounts(std::string_view bytes, std::size_t wanted) {
  Parsed result;
  std::size_t i = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  const auto at = [&](std::size_t k) { return k < bytes.size() ? bytes[k] : '\0'; };
  const auto more = [&](std::size_t k) { return k < bytes.size(); };
  while (result.values.size() < wanted) {
    while (more(i) && (at(i) == ' ' || at(i) == '\t' || at(i) == '\r' || at(i) == '\n')) ++i;
    if (!more(i))
      return {{}, zr::err::kInputPastEndOfFile};
    bool negative = false;
    if (at(i) == '+' || at(i) == '-')
      negative = at(i++) == '-';
    if (!more(i) || at(i) < '0' || at(i) > '9')
      return {{}, zr::err::kInvalidFileFormat};
    long value = 0;
    while (more(i) && at(i) >= '0' && at(i) <= '9') {
      value = value * 10 + (at(i++) - '0');
      if (value > (negative ? 32768 : 32767))
        return {{}, zr::err::kOverflow};
    }
    while (more(i) && (at(i) == ' ' || at(i) == '\t')) ++i;
    if (more(i)) {
      if (at(i) == ',' || at(i) == '\n') {
        ++i;
      } else if (at(i) == '\r') {
        ++i;
        if (more(i) && at(i) == '\n')
          ++i;
      } else {
        return {{}, zr::err::kInvalidFileFormat};
      }
    }
    result.values.push_back(static_cast<std::int16_t>(negative ? -value : value));
  }
  return result;
}

std::string Describe(const Parsed& parsed) {
  if (parsed.failure != 0)
    return "failure " + std::to_string(parsed.failure);
  std::string text = "values";
  for (const auto v : parsed.values) text += " " + std::to_string(v);
  return text;
}

// Runs one call; returns the failure number, 0 on success. Anything but zr::Failure escapes and
// so counts as a crash.
template <typename Call>
int Attempt(Call call) {
  try {
    call();
    return 0;
  } catch (const zr::Failure& failure) {
    return failure.number();
  }
}

zr::ZINTOK1 StartState() {
  // Values no counts file can produce by chance, so an unwanted write shows.
  zr::ZINTOK1 state;
  state.DeptLetter = 'Q';
  state.PhraseCounts = {-111, 222, -333};
  state.FontSizes = {0.0f, 8.0f, 10.0f, 12.0f, 14.0f, 18.0f, 24.0f};
  state.FontSizeIndex = 3;
  state.ErrNumber = 77;
  return state;
}

void CheckCall(const char* what, int failure, const Parsed& expected, const zr::ZINTOK1& before,
               const zr::ZINTOK1& after, const zr::ZINTOK1& wanted, const zr::FileTable& files) {
  zr::fuzz::ExpectNoFileOpen(files, what);
  if (failure != expected.failure) {
    zr::fuzz::Fail(std::string(what) + ": got failure " + std::to_string(failure) +
                   ", the file reads as " + Describe(expected));
  }
  if (failure != 0 && !zr::fuzz::SameState(before, after)) {
    zr::fuzz::Fail(std::string(what) + ": a failed call changed the state");
  }
  if (failure == 0 && !zr::fuzz::SameState(wanted, after)) {
    zr::fuzz::Fail(std::string(what) +
                   ": the state does not hold the file's numbers, which read as " +
                   Describe(expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zr::fuzz::WriteFile(zr::kCountsFileName, bytes);
  // One table for the whole run: a number left bound by one call would fail the next one.
  static zr::FileTable files(zr::fuzz::ScratchDir());

  zr::ZINTOK1 state = StartState();
  {
    const Parsed expected = ParseCounts(bytes, zr::kColumns);
    const zr::ZINTOK1 before = state;
    zr::ZINTOK1 wanted = before;
    if (expected.failure == 0) {
      wanted.DeptLetter = zr::kDepartments[0].letter;
      for (std::size_t c = 0; c < wanted.PhraseCounts.size(); ++c) {
        wanted.PhraseCounts[c] = expected.values[c];
      }
    }
    const int failure = Attempt([&] { zr::LoadDefaultDepartment(state, files); });
    CheckCall("LoadDefaultDepartment", failure, expected, before, state, wanted, files);
  }

  const Parsed groups = ParseCounts(bytes, zr::kColumns * zr::kDepartments.size());
  for (std::int16_t index = -1; index <= static_cast<std::int16_t>(zr::kDepartments.size());
       ++index) {
    const zr::ZINTOK1 before = state;
    zr::ZINTOK1 wanted = before;
    if (groups.failure == 0 && index >= 0 && index < std::ssize(zr::kDepartments)) {
      const auto row = static_cast<std::size_t>(index);
      wanted.DeptLetter = zr::kDepartments[row].letter;
      for (std::size_t c = 0; c < wanted.PhraseCounts.size(); ++c) {
        wanted.PhraseCounts[c] = groups.values[row * zr::kColumns + c];
      }
    }
    const int failure = Attempt([&] { zr::SelectDepartment(state, files, index); });
    const std::string what = "SelectDepartment(" + std::to_string(index) + ")";
    CheckCall(what.c_str(), failure, groups, before, state, wanted, files);
  }
  return 0;
}
