// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zr {

// The data files are single-byte text in Windows-1252. These convert at the edges where text meets
// the window or the phrase sources.
std::string Cp1252ToUtf8(std::string_view bytes);
// Empty optional when the text is not valid UTF-8 or holds a character Windows-1252 cannot encode.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// The text with each CR LF pair as a single LF, as the edit box and the text command show lines.
std::string CrLfToLf(std::string_view text);

// Text from one character set to another, through iconv (names as iconv knows them: "UTF-8",
// "ISO-8859-1"); empty when either set is unknown or a character has no place in the other.
std::optional<std::string> ConvertCharset(std::string_view text, const char* from, const char* to);

}  // namespace zr
