// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/output.h"

#include <iconv.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <type_traits>

#include "runtime/text.h"

namespace zr::cli {

namespace {

bool IsUtf8(std::string_view codeset) {
  std::string name;
  for (const char c : codeset) {
    if (c != '-' && c != '_')
      name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return name == "UTF8";
}

}  // namespace

struct Encoder::Converter {
  struct Close {
    void operator()(void* handle) const noexcept { ::iconv_close(static_cast<iconv_t>(handle)); }
  };
  static_assert(std::is_same_v<iconv_t, void*>);
  // Empty when the system knows no conversion to the locale's set.
  std::unique_ptr<void, Close> cd;

  void Append(std::string_view text, std::string& out) const {
    if (!cd) {
      for (const char c : text) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
      return;
    }
    auto* in = const_cast<char*>(text.data());  // iconv's signature; it does not write there
    std::size_t inLeft = text.size();
    // The last round returns the converter to its initial shift state.
    bool resetting = false;
    char chunk[256];
    while (true) {
      char* to = chunk;
      std::size_t toLeft = sizeof chunk;
      const std::size_t done = resetting ? ::iconv(cd.get(), nullptr, nullptr, &to, &toLeft)
                                         : ::iconv(cd.get(), &in, &inLeft, &to, &toLeft);
      const int error = done == static_cast<std::size_t>(-1) ? errno : 0;
      out.append(chunk, static_cast<std::size_t>(to - chunk));
      if (error == E2BIG)
        continue;
      if (error != 0 && !resetting) {
        // A character the set lacks, or a byte Windows-1252 leaves undefined.
        out += '?';
        ++in;
        --inLeft;
        continue;
      }
      if (resetting)
        return;
      resetting = true;
    }
  }
};

Encoder::Encoder(Kind kind, bool crlf, std::unique_ptr<Converter> converter) noexcept
    : kind_(kind), crlf_(crlf), converter_(std::move(converter)) {}
Encoder::Encoder(Encoder&&) noexcept = default;
Encoder& Encoder::operator=(Encoder&&) noexcept = default;
Encoder::~Encoder() = default;

Encoder Encoder::Raw() {
  return Encoder(Kind::kRaw, true, nullptr);
}

Encoder Encoder::ForCharacterSet(std::string_view codeset, bool crlf) {
  if (IsUtf8(codeset))
    return Encoder(Kind::kUtf8, crlf, nullptr);
  auto converter = std::make_unique<Converter>();
  const std::string name(codeset);
  // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's documented error value
  if (iconv_t cd = ::iconv_open(name.c_str(), "WINDOWS-1252"); cd != reinterpret_cast<iconv_t>(-1))
    converter->cd.reset(cd);
  return Encoder(Kind::kOther, crlf, std::move(converter));
}

void Encoder::Append(std::string_view text, std::string& out) const {
  if (kind_ == Kind::kRaw) {
    out.append(text);
    return;
  }
  std::string lines;
  if (!crlf_) {
    lines = CrLfToLf(text);
    text = lines;
  }
  if (kind_ == Kind::kUtf8) {
    out += Cp1252ToUtf8(text);
  } else {
    converter_->Append(text, out);
  }
}

Output::Output(int fd, std::size_t flushAt) : fd_(fd), flushAt_(flushAt) {
  buffer_.reserve(flushAt + (flushAt >> 2));
}

bool Output::Commit() {
  return buffer_.size() < flushAt_ || Flush();
}

bool Output::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0 && errno == EPIPE)
      return false;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // Standard output may be shared with a process that made it non-blocking: wait for room.
      pollfd ready{fd_, POLLOUT, 0};
      if (::poll(&ready, 1, -1) >= 0 || errno == EINTR)
        continue;
    }
    if (n < 0)
      throw OutputError(std::string("write error: ") + std::strerror(errno));
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
  return true;
}

}  // namespace zr::cli
