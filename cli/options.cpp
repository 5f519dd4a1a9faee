// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/options.h"

#include <QCommandLineParser>
#include <QStringList>
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
  const QCommandLineOption department({QStringLiteral("d"), QStringLiteral("department")},
                                      QString(), QStringLiteral("name"));
  const QCommandLineOption all({QStringLiteral("a"), QStringLiteral("all")}, QString());
  const QCommandLineOption texts({QStringLiteral("n"), QStringLiteral("texts")}, QString(),
                                 QStringLiteral("n"));
  const QCommandLineOption lines({QStringLiteral("l"), QStringLiteral("lines")}, QString(),
                                 QStringLiteral("n"));
  const QCommandLineOption format({QStringLiteral("f"), QStringLiteral("format")}, QString(),
                                  QStringLiteral("form"));
  const QCommandLineOption seed({QStringLiteral("s"), QStringLiteral("seed")}, QString(),
                                QStringLiteral("n"));
  const QCommandLineOption data(QStringLiteral("data"), QString(), QStringLiteral("dir"));
  const QCommandLineOption crlf(QStringLiteral("crlf"), QString());
  const QCommandLineOption raw(QStringLiteral("raw"), QString());
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version(QStringLiteral("version"), QString());

  QCommandLineParser parser;
  parser.addOptions({department, all, texts, lines, format, seed, data, crlf, raw, help, version});
  QStringList list;
  for (const std::string& argument : arguments)
    list << QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
  if (!parser.parse(list))
    return UsageError(parser.errorText().toStdString());

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
  if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
    return UsageError("unexpected argument '" + extra.front().toStdString() + "'");

  Options& options = request.options;
  if (parser.isSet(all) && parser.isSet(department))
    return UsageError("--all and --department exclude each other");
  if (parser.isSet(all)) {
    options.departments.clear();
    for (std::size_t row = 0; row < kDepartments.size(); ++row) options.departments.push_back(row);
  }
  if (parser.isSet(department)) {
    const std::string name = parser.value(department).toStdString();
    const auto row = FindDepartment(name);
    if (!row)
      return UsageError("--department: '" + name + "' is not one of " + DepartmentNames());
    options.departments = {*row};
  }
  if (parser.isSet(texts)) {
    const std::string value = parser.value(texts).toStdString();
    const auto count = WholeNumber(value, 1);
    if (!count)
      return UsageError(OutOfRange("texts", value, 1));
    options.texts = *count;
  }
  if (parser.isSet(lines)) {
    if (parser.isSet(texts))
      return UsageError("--lines and --texts exclude each other");
    const std::string value = parser.value(lines).toStdString();
    options.lines = WholeNumber(value, 1);
    if (!options.lines)
      return UsageError(OutOfRange("lines", value, 1));
  }
  if (parser.isSet(format)) {
    const QStringList values = parser.values(format);
    for (const QString& value : values) {
      const std::string name = value.toStdString();
      const auto form = FindForm(name);
      if (!form)
        return UsageError("--format: '" + name + "' is not one of " + FormNames());
      if (value != values.front() && *form != options.form)
        return UsageError("--format: one form at a time, not '" + values.front().toStdString() +
                          "' and '" + name + "'");
      options.form = *form;
    }
  }
  if (parser.isSet(seed)) {
    const std::string value = parser.value(seed).toStdString();
    options.seed = WholeNumber(value, 0);
    if (!options.seed)
      return UsageError(OutOfRange("seed", value, 0));
  }
  if (parser.isSet(data)) {
    options.data = parser.value(data).toLocal8Bit().toStdString();
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
