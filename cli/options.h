// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zr::cli {

inline constexpr std::string_view kProgram = "zeziru-ridaz-text";

struct Options {
  // kDepartments rows, written in turn: one, or all of them.
  std::vector<std::size_t> departments{0};
  // Texts of each department.
  std::uint64_t texts = 1;
  // Without one the clock seeds every text, as in the window.
  std::optional<std::uint64_t> seed;
  // The phrase set as the user named it; empty for the default.
  std::string data;
  bool crlf = false;
  bool raw = false;
};

// What a command line asks for.
struct Request {
  enum class Kind { kTexts, kHelp, kVersion, kUsageError };
  Kind kind = Kind::kTexts;
  Options options;
  // The help or version text, or the usage error as one line without the program name.
  std::string text;
};

// arguments[0] is the program's own name, as in argv.
Request ParseCommandLine(const std::vector<std::string>& arguments);

// The row of a department named by its letter or by a prefix of its name, in any case.
std::optional<std::size_t> FindDepartment(std::string_view name);

}  // namespace zr::cli
