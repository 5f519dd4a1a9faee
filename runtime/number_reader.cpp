// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "number_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

#include "failure.h"

namespace zr {

void NumberReader::Shown::Add(char c) {
  if (Full())
    cut = true;
  else
    text += c;
}

NumberReader::NumberReader(UniqueFd fd, std::string name)
    : fd_(std::move(fd)), name_(std::move(name)) {}

int NumberReader::Peek() {
  if (pos_ == len_ && !Fill())
    return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

void NumberReader::Skip() {
  const char c = buffer_[pos_++];
  if (c == '\n' ? !afterCr_ : c == '\r')
    ++line_;
  afterCr_ = c == '\r';
}

// Leading zeros change nothing, so a long run of them is passed over a buffer at a time.
std::size_t NumberReader::SkipZeros(Shown& shown) {
  std::size_t skipped = 0;
  while (Peek() == '0') {
    std::size_t end = pos_;
    while (end < len_ && buffer_[end] == '0') ++end;
    const std::size_t run = end - pos_;
    const std::size_t room = Shown::kLimit - std::min(shown.text.size(), Shown::kLimit);
    shown.text.append(std::min(run, room), '0');
    if (run > room)
      shown.cut = true;
    skipped += run;
    pos_ = end;
    afterCr_ = false;
  }
  return skipped;
}

bool NumberReader::Fill() {
  if (atEnd_)
    return false;
  ssize_t n;
  do {
    n = ::read(fd_.get(), buffer_.data(), buffer_.size());
  } while (n < 0 && errno == EINTR);
  if (n < 0)
    throw Failure(err::kDeviceIoError, name_ + ": read error: " + std::strerror(errno));
  pos_ = 0;
  len_ = static_cast<std::size_t>(n);
  atEnd_ = n == 0;
  return n > 0;
}

std::string NumberReader::Where() const {
  return name_ + ": line " + std::to_string(line_) + ": ";
}

// Shows the field as far as a message can hold it, then fails.
void NumberReader::NotAWholeNumber(Shown field) {
  for (int c = Peek(); c >= 0 && c != ',' && c != '\r' && c != '\n' && !field.Full(); c = Peek()) {
    // Other bytes could upset the terminal that shows the message.
    field.Add(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    Skip();
  }
  throw Failure(err::kInvalidFileFormat,
                Where() +
                    (field.text.empty() ? std::string("an empty field") : "'" + field.text + "'") +
                    " is not a whole number");
}

// Shows the number as far as a message can hold it, then fails.
void NumberReader::TooBig(Shown digits) {
  for (int c = Peek(); c >= '0' && c <= '9' && !digits.Full(); c = Peek()) {
    digits.Add(static_cast<char>(c));
    Skip();
  }
  const int next = Peek();
  if (digits.cut || (next >= '0' && next <= '9'))
    digits.text += "...";
  throw Failure(err::kOverflow, Where() + digits.text + " does not fit in 16 bits");
}

std::int16_t NumberReader::Next() {
  if (atStart_) {
    atStart_ = false;
    SkipByteOrderMark();
  }
  int c = Peek();
  while (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
    Skip();
    c = Peek();
  }
  if (c < 0) {
    throw Failure(err::kInputPastEndOfFile,
                  name_ + ": the file ends after " + std::to_string(numbersRead_) + " numbers");
  }
  Shown digits;
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    digits.Add(static_cast<char>(c));
    Skip();
    c = Peek();
  }
  if (c < '0' || c > '9')
    NotAWholeNumber(std::move(digits));
  if (SkipZeros(digits) > 0)
    c = Peek();
  long value = 0;
  constexpr long kLimit = -static_cast<long>(std::numeric_limits<std::int16_t>::min());
  while (c >= '0' && c <= '9') {
    value = value * 10 + (c - '0');
    digits.Add(static_cast<char>(c));
    Skip();
    // Stop soon: a field of a million digits must not be read to its end.
    if (value > kLimit || (!negative && value == kLimit))
      TooBig(std::move(digits));
    c = Peek();
  }
  const bool blanksAfter = c == ' ' || c == '\t';
  while (c == ' ' || c == '\t') {
    Skip();
    c = Peek();
  }
  // The LF of a CR LF is a blank before the next number.
  if (c == ',' || c == '\r' || c == '\n') {
    Skip();
  } else if (c >= 0) {
    if (blanksAfter)
      digits.Add(' ');
    NotAWholeNumber(std::move(digits));
  }
  ++numbersRead_;
  return static_cast<std::int16_t>(negative ? -value : value);
}

void NumberReader::SkipByteOrderMark() {
  static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
  if (Peek() != kBom[0])
    return;
  // The buffer holds the file's first bytes, so the mark is wholly in it or not there.
  if (len_ >= 3 && static_cast<unsigned char>(buffer_[1]) == kBom[1] &&
      static_cast<unsigned char>(buffer_[2]) == kBom[2]) {
    pos_ = 3;
  }
}

}  // namespace zr
