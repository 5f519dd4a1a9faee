// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zr::cli {

// Turns the generator's text (Windows-1252, lines ending in CR LF) into the bytes to write.
class Encoder {
 public:
  // The bytes exactly as the window holds them.
  static Encoder Raw();
  // Into a character set as nl_langinfo(CODESET) names it, lines ending in LF or CR LF. A
  // character the set lacks becomes '?'; so does every non-ASCII one when the set is unknown.
  static Encoder ForCharacterSet(std::string_view codeset, bool crlf);

  Encoder(Encoder&&) noexcept;
  Encoder& operator=(Encoder&&) noexcept;
  ~Encoder();

  void Append(std::string_view text, std::string& out) const;
  // What ends a line, and so an empty line between two texts too.
  std::string_view LineEnd() const noexcept { return crlf_ ? "\r\n" : "\n"; }

 private:
  struct Converter;
  enum class Kind { kRaw, kUtf8, kOther };
  Encoder(Kind kind, bool crlf, std::unique_ptr<Converter> converter) noexcept;

  Kind kind_;
  bool crlf_;
  std::unique_ptr<Converter> converter_;
};

// Any failure to write other than a reader that has gone.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whole texts to a file descriptor through one buffer, so that memory stays bounded however many
// texts there are.
class Output {
 public:
  // A buffer flushed once it holds flushAt bytes; 0 writes at every Commit.
  Output(int fd, std::size_t flushAt);

  // Where the next text goes; only whole texts may be added before a Commit.
  std::string& buffer() noexcept { return buffer_; }
  // Writes what the buffer holds when it is due. False once the reader has gone (EPIPE, with
  // SIGPIPE ignored): the caller stops quietly. Throws OutputError on any other failure.
  bool Commit();
  // Writes everything held.
  bool Flush();

 private:
  int fd_;
  std::size_t flushAt_;
  std::string buffer_;
};

}  // namespace zr::cli
