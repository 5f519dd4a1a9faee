// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>

namespace zr {

// Failure numbers. Users see them in error reports, so each keeps its value. Only 5, 6, 11, 13 and
// 14 have messages of their own in the window; every other number reads as an unknown error there.
namespace err {
inline constexpr int kIllegalFunctionCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kOutOfStringSpace = 14;
inline constexpr int kInternalError = 51;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kBadRecordNumber = 63;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kInvalidFileFormat = 321;
inline constexpr int kPrinterError = 482;
}  // namespace err

// The one failure type of the program: a runtime failure number and a terse description.
class Failure : public std::runtime_error {
 public:
  Failure(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  int number() const noexcept { return number_; }

 private:
  int number_;
};

// The words the start-up failure report gives a failure number.
const char* DescribeFailureNumber(int number) noexcept;

}  // namespace zr
