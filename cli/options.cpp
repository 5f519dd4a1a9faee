// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <limits>

#include "core/phrase_store.h"

namespace zr::cli {

namespace {

// The window's captions carry more than the name ("Marketing andSales"): the name is the first
// word.
std::string_view NameOf(const Department& department) {
  return department.caption.substr(0, department.caption.find(' '));
}

std::string DepartmentNames() {
  std::string names;
  for (const Department& department : kDepartments) {
    if (!names.empty())
      names += ", ";
    names += NameOf(department);
  }
  return names;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// Digits only: no sign, no blanks, nothing after; nullopt outside [least, 2^64 - 1].
std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t least) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front())))
    return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < least)
    return std::nullopt;
  return value;
}

std::string OutOfRange(std::string_view option, const std::string& value, std::uint64_t least) {
  return "--" + std::string(option) + ": '" + value + "' is not a whole number from " +
         std::to_string(least) + " to " + std::to_string(std::numeric_limits<std::uint64_t>::max());
}

// The options, GNU style: "--name=VALUE" or "--name VALUE", a long name shortened to any prefix no
// other name shares, "-xVALUE" or "-x VALUE", flags bundled as in "-ah". Plain getopt_long would do
// the same but keeps its state in globals.
struct OptionSpec {
  char letter;  // 0: none
  std::string_view name;
  bool takesValue;
};
enum Id {
  department,
  all,
  texts,
  lines,
  format,
  seed,
  data,
  crlf,
  raw,
  help,
  version,
  kOptionCount
};
constexpr OptionSpec kOptions[kOptionCount] = {
    {'d', "department", true}, {'a', "all", false},  {'n', "texts", true}, {'l', "lines", true},
    {'f', "format", true},     {'s', "seed", true},  {0, "data", true},    {0, "crlf", false},
    {0, "raw", false},         {'h', "help", false}, {0, "version", false}};

struct Parsed {
  // Every value given, in order: a flag has an empty one.
  std::array<std::vector<std::string>, kOptionCount> given;
  std::vector<std::string> positional;

  bool isSet(Id id) const { return !given[id].empty(); }
  const std::string& value(Id id) const { return given[id].back(); }
  const std::vector<std::string>& values(Id id) const { return given[id]; }

  // Empty, or what is wrong.
  std::string Parse(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
      const std::string& word = arguments[i];
      if (word == "--") {
        positional.insert(positional.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                          arguments.end());
        break;
      }
      if (word.starts_with("--")) {
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        std::optional<Id> id;
        std::string candidates;
        for (int o = 0; o < kOptionCount; ++o) {
          if (!kOptions[o].name.starts_with(name))
            continue;
          if (kOptions[o].name == name) {
            id = static_cast<Id>(o);
            candidates.clear();
            break;
          }
          candidates += candidates.empty() ? "" : ", ";
          candidates += "--" + std::string(kOptions[o].name);
          id = id ? std::optional<Id>(kOptionCount) : static_cast<Id>(o);
        }
        if (!id || name.empty())
          return "unknown option '--" + name + "'";
        if (*id == kOptionCount) {
          std::string problem = "option '--" + name + "' is ambiguous: ";
          problem += candidates;
          return problem;
        }
        const std::string full = "--" + std::string(kOptions[*id].name);
        if (!kOptions[*id].takesValue) {
          if (equals != std::string::npos)
            return "option '" + full + "' takes no value";
          given[*id].emplace_back();
        } else if (equals != std::string::npos) {
          given[*id].push_back(word.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
          given[*id].push_back(arguments[++i]);
        } else {
          return "option '" + full + "' needs a value";
        }
        continue;
      }
      if (word.size() < 2 || word[0] != '-') {
        positional.push_back(word);
        continue;
      }
      for (std::size_t at = 1; at < word.size(); ++at) {
        const auto* spec = std::find_if(std::begin(kOptions), std::end(kOptions),
                                        [&](const OptionSpec& o) { return o.letter == word[at]; });
        if (spec == std::end(kOptions))
          return "unknown option '-" + std::string(1, word[at]) + "'";
        auto& values = given[static_cast<std::size_t>(spec - std::begin(kOptions))];
        if (!spec->takesValue) {
          values.emplace_back();
          continue;
        }
        if (at + 1 < word.size()) {
          values.push_back(word.substr(at + 1));
        } else if (i + 1 < arguments.size()) {
          values.push_back(arguments[++i]);
        } else {
          return "option '-" + std::string(1, word[at]) + "' needs a value";
        }
        break;
      }
    }
    return {};
  }
};

std::string FormNames() {
  std::string names;
  for (const FormName& form : kForms) {
    if (!names.empty())
      names += ", ";
    names += form.name;
  }
  return names;
}

// A prefix of a form's name in any case; every form starts with a letter of its own.
std::optional<Form> FindForm(std::string_view name) {
  for (const FormName& form : kForms) {
    if (!name.empty() && name.size() <= form.name.size() &&
        SameLetters(form.name.substr(0, name.size()), name))
      return form.form;
  }
  return std::nullopt;
}

std::string HelpText() {
  std::string help = "Usage: " + std::string(kProgram) + R"( [OPTION]...
Write business filler prose to standard output, twelve lines a text, made
exactly as the Zeziru Ridaz window makes it.

  -d, --department=NAME  the department, by a prefix of its name in any case
                         or by its letter (default: )" +
                     std::string(NameOf(kDepartments[0])) + R"():
                         )" +
                     DepartmentNames() + R"(
  -a, --all              one text of each department in turn
  -n, --texts=N          N texts (of each department with --all), separated by
                         an empty line; default 1
  -l, --lines=N          N lines in all, without the empty lines: texts in
                         turn, the last one cut short (N sentences in the
                         other forms)
  -f, --format=FORM      lines (default), paragraphs (a text a line), html
                         (a <p> a text), markdown, or json (JSON Lines, an
                         object a text)
  -s, --seed=N           seed N, from 0 to 18446744073709551615: the same seed,
                         phrase set and options give the same output in
                         every release (default: the clock, as the window)
      --data=DIR         read the phrase set in DIR (default: the current
                         directory when it holds zintok.dat, else the
                         installed set)
      --crlf             end lines with CR LF instead of LF
      --raw              write the bytes as the window holds them:
                         Windows-1252, CR LF
  -h, --help             display this help and exit
      --version          output version information and exit

Output is in the locale's character set (UTF-8 in the C locale; JSON always
UTF-8). The phrase set is read once, at the start.
Exit status: 0 if all went well, 1 for a problem with the phrase set or the
output, 2 for a usage error.

Full documentation: man )" +
                     std::string(kProgram) + "\n";
  return help;
}

std::string VersionText() {
  return std::string(kProgram) + " (Zeziru Ridaz) " ZR_VERSION R"(
Copyright (C) 2026 The Zeziru Ridaz team
License MIT: <https://opensource.org/licenses/MIT>
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";
}

Request UsageError(std::string message) {
  Request request;
  request.kind = Request::Kind::kUsageError;
  request.text = std::move(message) + " (see --help)";
  return request;
}

}  // namespace

std::string_view DepartmentName(std::size_t row) {
  return NameOf(kDepartments.at(row));
}

std::optional<std::size_t> FindDepartment(std::string_view name) {
  if (name.size() == 1) {
    const std::size_t row =
        DepartmentRow(static_cast<char>(std::toupper(static_cast<unsigned char>(name.front()))));
    if (row < kDepartments.size())
      return row;
  }
  std::optional<std::size_t> found;
  for (std::size_t row = 0; row < kDepartments.size(); ++row) {
    const std::string_view full = NameOf(kDepartments[row]);
    if (name.empty() || name.size() > full.size() ||
        !SameLetters(full.substr(0, name.size()), name))
      continue;
    if (found)
      return std::nullopt;  // ambiguous
    found = row;
  }
  return found;
}

Request ParseCommandLine(const std::vector<std::string>& arguments) {
  Parsed parser;
  if (std::string problem = parser.Parse(arguments); !problem.empty())
    return UsageError(problem);

  Request request;
  if (parser.isSet(help)) {
    request.kind = Request::Kind::kHelp;
    request.text = HelpText();
    return request;
  }
  if (parser.isSet(version)) {
    request.kind = Request::Kind::kVersion;
    request.text = VersionText();
    return request;
  }
  if (!parser.positional.empty())
    return UsageError("unexpected argument '" + parser.positional.front() + "'");

  Options& options = request.options;
  if (parser.isSet(all) && parser.isSet(department))
    return UsageError("--all and --department exclude each other");
  if (parser.isSet(all)) {
    options.departments.clear();
    for (std::size_t row = 0; row < kDepartments.size(); ++row) options.departments.push_back(row);
  }
  if (parser.isSet(department)) {
    const std::string& name = parser.value(department);
    const auto row = FindDepartment(name);
    if (!row)
      return UsageError("--department: '" + name + "' is not one of " + DepartmentNames());
    options.departments = {*row};
  }
  if (parser.isSet(texts)) {
    const std::string& value = parser.value(texts);
    const auto count = WholeNumber(value, 1);
    if (!count)
      return UsageError(OutOfRange("texts", value, 1));
    options.texts = *count;
  }
  if (parser.isSet(lines)) {
    if (parser.isSet(texts))
      return UsageError("--lines and --texts exclude each other");
    const std::string& value = parser.value(lines);
    options.lines = WholeNumber(value, 1);
    if (!options.lines)
      return UsageError(OutOfRange("lines", value, 1));
  }
  if (parser.isSet(format)) {
    const std::vector<std::string>& values = parser.values(format);
    for (const std::string& name : values) {
      const auto form = FindForm(name);
      if (!form)
        return UsageError("--format: '" + name + "' is not one of " + FormNames());
      if (&name != &values.front() && *form != options.form)
        return UsageError("--format: one form at a time, not '" + values.front() + "' and '" +
                          name + "'");
      options.form = *form;
    }
  }
  if (parser.isSet(seed)) {
    const std::string& value = parser.value(seed);
    options.seed = WholeNumber(value, 0);
    if (!options.seed)
      return UsageError(OutOfRange("seed", value, 0));
  }
  if (parser.isSet(data)) {
    options.data = parser.value(data);
    if (options.data.empty())
      return UsageError("--data: the directory name is empty");
  }
  options.crlf = parser.isSet(crlf);
  options.raw = parser.isSet(raw);
  if (options.raw && options.form == Form::kJson)
    return UsageError("--raw writes Windows-1252, and JSON is UTF-8");
  return request;
}

}  // namespace zr::cli
