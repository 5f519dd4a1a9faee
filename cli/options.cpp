// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <map>

#include "core/phrase_store.h"

namespace zr::cli {

namespace {

// The rows' names as a list for messages: "a, b, c".
template <typename Rows>
std::string NamesOf(const Rows& rows) {
  std::string names;
  for (const auto& row : rows) {
    if (!names.empty())
      names += ", ";
    names += row.name;
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

// The letters are the short options; the rest have long names only.
enum Id : int {
  kDepartment = 'd',
  kAll = 'a',
  kTexts = 'n',
  kLines = 'l',
  kFormat = 'f',
  kSeed = 's',
  kHelp = 'h',
  kData = 256,
  kLanguage,
  kCrlf,
  kRaw,
  kVersion
};

// The options as getopt_long reads them, GNU style. The leading '-' hands the other arguments back
// in order, so POSIXLY_CORRECT in the environment changes nothing; the ':' keeps getopt quiet and
// tells a missing value from an unknown option.
constexpr char kShortOptions[] = "-:d:an:l:f:s:h";
constexpr option kLongOptions[] = {{"department", required_argument, nullptr, kDepartment},
                                   {"all", no_argument, nullptr, kAll},
                                   {"texts", required_argument, nullptr, kTexts},
                                   {"lines", required_argument, nullptr, kLines},
                                   {"format", required_argument, nullptr, kFormat},
                                   {"seed", required_argument, nullptr, kSeed},
                                   {"data", required_argument, nullptr, kData},
                                   {"language", required_argument, nullptr, kLanguage},
                                   {"crlf", no_argument, nullptr, kCrlf},
                                   {"raw", no_argument, nullptr, kRaw},
                                   {"help", no_argument, nullptr, kHelp},
                                   {"version", no_argument, nullptr, kVersion},
                                   {nullptr, 0, nullptr, 0}};

// "--seed" for kSeed; empty for an option there is not.
std::string LongName(int id) {
  const auto* found =
      std::find_if(std::begin(kLongOptions), std::end(kLongOptions),
                   [id](const option& o) { return o.name != nullptr && o.val == id; });
  return found == std::end(kLongOptions) ? std::string() : "--" + std::string(found->name);
}

// getopt_long refuses alike a long name no option has and one that starts several: tell which.
std::string UnknownLongOption(std::string_view word) {
  const std::string name(word.substr(2, word.find('=') - 2));
  std::string candidates;
  for (const option& o : kLongOptions) {
    if (!name.empty() && o.name != nullptr && std::string_view(o.name).starts_with(name))
      candidates += (candidates.empty() ? "--" : ", --") + std::string(o.name);
  }
  if (candidates.find(',') == std::string::npos)
    return "unknown option '--" + name + "'";
  return "option '--" + name + "' is ambiguous: " + candidates;
}

struct Parsed {
  // Every value given, in order, by option: a flag has an empty one.
  std::map<int, std::vector<std::string>> given;
  std::vector<std::string> positional;

  bool isSet(Id id) const { return given.contains(id); }
  const std::string& value(Id id) const { return given.at(id).back(); }
  const std::vector<std::string>& values(Id id) const { return given.at(id); }

  // Empty, or what is wrong.
  std::string Parse(std::vector<std::string> words) {
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());
    optind = 0;  // starts afresh: a test parses many command lines in one process
    opterr = 0;
    for (int id;
         (id = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr)) != -1;) {
      // argv[optind - 1] is the word at fault whenever getopt_long refuses a long option or a value
      // is missing.
      const std::string_view word = argv[static_cast<std::size_t>(optind) - 1];
      switch (id) {
        case 1:
          positional.emplace_back(optarg);
          break;
        case ':':
          return "option '" +
                 (word.starts_with("--") ? LongName(optopt)
                                         : std::string{'-', static_cast<char>(optopt)}) +
                 "' needs a value";
        case '?':
          if (optopt == 0)
            return UnknownLongOption(word);
          if (std::string name = LongName(optopt); !name.empty())
            return "option '" + name + "' takes no value";
          return "unknown option '-" + std::string(1, static_cast<char>(optopt)) + "'";
        default:
          given[id].emplace_back(optarg == nullptr ? "" : optarg);
      }
    }
    positional.insert(positional.end(), words.begin() + optind, words.end());
    return {};
  }
};

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
                     std::string(kDepartments[0].name) + R"():
                         )" +
                     NamesOf(kDepartments) + R"(
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
      --language=LANG    the installed phrase set of language LANG: en
                         (English), fr (French) or es (Spanish); with
                         --data, the set in DIR/LANG (DIR itself for en)
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
  return kDepartments.at(row).name;
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
    const std::string_view full = kDepartments[row].name;
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
  if (parser.isSet(kHelp)) {
    request.kind = Request::Kind::kHelp;
    request.text = HelpText();
    return request;
  }
  if (parser.isSet(kVersion)) {
    request.kind = Request::Kind::kVersion;
    request.text = VersionText();
    return request;
  }
  if (!parser.positional.empty())
    return UsageError("unexpected argument '" + parser.positional.front() + "'");

  Options& options = request.options;
  if (parser.isSet(kAll) && parser.isSet(kDepartment))
    return UsageError("--all and --department exclude each other");
  if (parser.isSet(kAll)) {
    options.departments.clear();
    for (std::size_t row = 0; row < kDepartments.size(); ++row) options.departments.push_back(row);
  }
  if (parser.isSet(kDepartment)) {
    const std::string& name = parser.value(kDepartment);
    const auto row = FindDepartment(name);
    if (!row)
      return UsageError("--department: '" + name + "' is not one of " + NamesOf(kDepartments));
    options.departments = {*row};
  }
  if (parser.isSet(kTexts)) {
    const std::string& value = parser.value(kTexts);
    const auto count = WholeNumber(value, 1);
    if (!count)
      return UsageError(OutOfRange("texts", value, 1));
    options.texts = *count;
  }
  if (parser.isSet(kLines)) {
    if (parser.isSet(kTexts))
      return UsageError("--lines and --texts exclude each other");
    const std::string& value = parser.value(kLines);
    options.lines = WholeNumber(value, 1);
    if (!options.lines)
      return UsageError(OutOfRange("lines", value, 1));
  }
  if (parser.isSet(kFormat)) {
    const std::vector<std::string>& values = parser.values(kFormat);
    for (const std::string& name : values) {
      const auto form = FindForm(name);
      if (!form)
        return UsageError("--format: '" + name + "' is not one of " + NamesOf(kForms));
      if (&name != &values.front() && *form != options.form)
        return UsageError("--format: one form at a time, not '" + values.front() + "' and '" +
                          name + "'");
      options.form = *form;
    }
  }
  if (parser.isSet(kSeed)) {
    const std::string& value = parser.value(kSeed);
    options.seed = WholeNumber(value, 0);
    if (!options.seed)
      return UsageError(OutOfRange("seed", value, 0));
  }
  if (parser.isSet(kData)) {
    options.data = parser.value(kData);
    if (options.data.empty())
      return UsageError("--data: the directory name is empty");
  }
  if (parser.isSet(kLanguage)) {
    options.language = parser.value(kLanguage);
    if (options.language.empty())
      return UsageError("--language: the language is empty");
  }
  options.crlf = parser.isSet(kCrlf);
  options.raw = parser.isSet(kRaw);
  if (options.raw && options.form == Form::kJson)
    return UsageError("--raw writes Windows-1252, and JSON is UTF-8");
  return request;
}

}  // namespace zr::cli
