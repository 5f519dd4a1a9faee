// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "record.h"

namespace zr {

std::string PadRecord(std::string_view phrase) {
  std::string record(phrase);
  record.resize(kRecordLength, ' ');
  return record;
}

std::string_view TrimTrailingSpaces(std::string_view text) noexcept {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

}  // namespace zr
