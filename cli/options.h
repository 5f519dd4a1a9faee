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

// How the texts are laid out; every form writes the same sentences in the same order.
enum class Form {
  kLines,       // twelve lines a text, an empty line between texts
  kParagraphs,  // a text's lines joined by spaces into one line, an empty line between
  kHtml,        // a <p> element a text, one a line
  kMarkdown,    // a paragraph a text, escaped, an empty line between
  kJson,        // JSON Lines: an object a text with its department and its lines; UTF-8
};

struct FormName {
  std::string_view name;
  Form form;
};
inline constexpr FormName kForms[] = {{"lines", Form::kLines},
                                      {"paragraphs", Form::kParagraphs},
                                      {"html", Form::kHtml},
                                      {"markdown", Form::kMarkdown},
                                      {"json", Form::kJson}};

// The language of the phrase set installed at the top, the others in folders beside its files.
inline constexpr std::string_view kEnglish = "en";

struct Options {
  // kDepartments rows, written in turn: one, or all of them.
  std::vector<std::size_t> departments{0};
  // Texts of each department.
  std::uint64_t texts = 1;
  // Lines in all instead of whole texts: texts made in turn, the last one cut short.
  std::optional<std::uint64_t> lines;
  Form form = Form::kLines;
  // Without one the clock seeds every text, as in the window.
  std::optional<std::uint64_t> seed;
  // The phrase set as the user named it; empty for the default.
  std::string data;
  // A language of the phrase sets ("fr"); empty for the default set.
  std::string language;
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

// The name of a department as the command takes and writes it: "Marketing" for "Marketing
// andSales".
std::string_view DepartmentName(std::size_t row);

// The row of a department named by its letter or by a prefix of its name, in any case.
std::optional<std::size_t> FindDepartment(std::string_view name);

}  // namespace zr::cli
