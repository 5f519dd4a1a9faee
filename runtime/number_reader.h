// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "unique_fd.h"

namespace zr {

// Free-format input of whole numbers from one file: numbers separated by commas or line ends
// (CR, LF or CR LF), blanks around them ignored, a leading UTF-8 byte-order mark skipped. It keeps
// one buffer and at most the characters of a field a message shows, whatever the file holds.
class NumberReader {
 public:
  // `name` is how messages name the file.
  NumberReader(UniqueFd fd, std::string name);

  // Fails with 62 when the data ends early, 6 outside -32768..32767 and 321 for a field that is
  // not a whole number, naming the line.
  std::int16_t Next();

  const std::string& name() const noexcept { return name_; }

 private:
  // The start of the field being read, as far as a message shows it.
  struct Shown {
    static constexpr std::size_t kLimit = 24;
    std::string text;
    bool cut = false;
    void Add(char c);
    bool Full() const noexcept { return text.size() >= kLimit; }
  };

  int Peek();
  void Skip();
  std::size_t SkipZeros(Shown& shown);
  bool Fill();
  void SkipByteOrderMark();
  std::string Where() const;
  [[noreturn]] void NotAWholeNumber(Shown field);
  [[noreturn]] void TooBig(Shown digits);

  UniqueFd fd_;
  std::string name_;
  std::array<char, 4096> buffer_{};
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  bool atStart_ = true;
  bool atEnd_ = false;
  // Where the input stands, for messages: CR, LF and CR LF each end one line.
  long line_ = 1;
  bool afterCr_ = false;
  int numbersRead_ = 0;
};

}  // namespace zr
