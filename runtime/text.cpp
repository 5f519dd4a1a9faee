// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "text.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>

namespace zr {

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t DecodeByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char16_t mapped = kHighControls[byte - 0x80u];
    return mapped != 0 ? mapped : 0xFFFD;
  }
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i], advancing i; nullopt when malformed or overlong.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07u;
  } else {
    return std::nullopt;
  }
  if (i + static_cast<std::size_t>(extra) >= text.size())
    return std::nullopt;
  for (int k = 1; k <= extra; ++k) {
    const auto cont = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((cont & 0xC0) != 0x80)
      return std::nullopt;
    cp = (cp << 6) | (cont & 0x3Fu);
  }
  constexpr std::array<char32_t, 4> kMinimum = {0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[static_cast<std::size_t>(extra)] || cp > 0x10FFFF ||
      (cp >= 0xD800 && cp <= 0xDFFF)) {
    return std::nullopt;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

}  // namespace

std::string CrLfToLf(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t cr = text.find("\r\n", start);
    const std::size_t end = cr == std::string_view::npos ? text.size() : cr;
    lines.append(text.substr(start, end - start));
    if (cr == std::string_view::npos)
      break;
    lines += '\n';
    start = cr + 2;
  }
  return lines;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) AppendUtf8(out, DecodeByte(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto cp = NextCodePoint(utf8, i);
    if (!cp)
      return std::nullopt;
    if (*cp < 0x80 || (*cp >= 0xA0 && *cp <= 0xFF)) {
      out += static_cast<char>(*cp);
      continue;
    }
    bool found = false;
    for (std::size_t b = 0; b < kHighControls.size(); ++b) {
      if (kHighControls[b] != 0 && kHighControls[b] == *cp) {
        out += static_cast<char>(0x80 + b);
        found = true;
        break;
      }
    }
    if (!found)
      return std::nullopt;
  }
  return out;
}

std::optional<std::string> ConvertCharset(std::string_view text, const char* from, const char* to) {
  const iconv_t cd = iconv_open(to, from);
  // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's documented error value
  if (cd == reinterpret_cast<iconv_t>(-1))
    return std::nullopt;
  const std::unique_ptr<void, int (*)(iconv_t)> close(cd, iconv_close);
  std::string in(text);
  // Four bytes a character is the most any set iconv knows needs.
  std::string out(in.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
    return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace zr
