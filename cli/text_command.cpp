// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/text_command.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "runtime/failure.h"

namespace zr::cli {

namespace {

// A named directory that is missing or is no directory says so itself, rather than through the
// first file looked up in it.
void CheckDirectory(const std::filesystem::path& dir) {
  struct stat info {};
  if (::stat(dir.c_str(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      throw Failure(err::kPathFileAccessError, dir.string() + ": no such directory");
    throw Failure(err::kPathFileAccessError, dir.string() + ": " + std::strerror(error));
  }
  if (!S_ISDIR(info.st_mode))
    throw Failure(err::kPathFileAccessError, dir.string() + ": not a directory");
}

// A department's phrases as they are written: in the output's character set and line ends.
// They lie end to end in one block with kSlack bytes after the last, so that a line can copy every
// phrase as kSlack bytes at once and move on by its length.
struct Department {
  struct Span {
    std::uint32_t offset;
    std::uint32_t size;
  };
  std::string_view name;
  std::array<std::int16_t, kColumns> counts{};
  std::string block;
  std::array<std::vector<Span>, kColumns> columns;

  std::string_view Phrase(std::size_t column, std::int16_t record) const noexcept {
    const Span span = columns[column][static_cast<std::size_t>(record - 1)];
    return {block.data() + span.offset, span.size};
  }
};

constexpr std::size_t kSlack = 64;

// The counts of every department asked for and their phrases, each in the form it is written in.
std::vector<Department> LoadDepartments(const Options& options, FileTable& files,
                                        const Encoder& encoder) {
  CheckDirectory(files.directory());
  std::vector<Department> departments;
  for (const std::size_t row : options.departments) {
    ZINTOK1 state;
    SelectDepartment(state, files, static_cast<std::int16_t>(row));
    DepartmentPhrases read = ReadDepartmentPhrases(state, files);
    Department& department = departments.emplace_back();
    department.name = DepartmentName(row);
    department.counts = read.counts;
    for (std::size_t c = 0; c < read.columns.size(); ++c) {
      for (const std::string& phrase : read.columns[c]) {
        const std::size_t offset = department.block.size();
        encoder.Append(phrase, department.block);
        department.columns[c].push_back(
            {static_cast<std::uint32_t>(offset),
             static_cast<std::uint32_t>(department.block.size() - offset)});
      }
    }
    department.block.append(kSlack, '\0');
  }
  return departments;
}

// The bytes a form must escape, as a table: escaping copies the runs between them whole.
using Specials = std::array<bool, 256>;
constexpr Specials Marks(std::string_view bytes, bool controls) {
  Specials marks{};
  for (const char c : bytes) marks[static_cast<unsigned char>(c)] = true;
  for (std::size_t c = 0; controls && c < 0x20; ++c) marks[c] = true;
  return marks;
}

template <class Escape>
void AppendEscaped(std::string_view text, const Specials& specials, std::string& out,
                   Escape escape) {
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!specials[static_cast<unsigned char>(text[i])])
      continue;
    out.append(text.substr(run, i - run));
    escape(text[i], out);
    run = i + 1;
  }
  out.append(text.substr(run));
}

// CommonMark's backslash escapes, where a character could start markup: anywhere for these, and
// at the start of a paragraph for a list marker, a heading underline or a numbered list.
void AppendMarkdown(std::string_view text, std::string& out) {
  static constexpr Specials kSpecials = Marks("\\`*_[]<>&#|~!", false);
  const auto backslash = [](char c, std::string& to) { to.append(1, '\\').append(1, c); };
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (!text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == '=')) {
    out += '\\';
  } else if (digits > 0 && digits < text.size() && (text[digits] == '.' || text[digits] == ')')) {
    out.append(text.substr(0, digits)).append(1, '\\');
    text.remove_prefix(digits);
  }
  AppendEscaped(text, kSpecials, out, backslash);
}

void AppendHtml(std::string_view text, std::string& out) {
  static constexpr Specials kSpecials = Marks("&<>", false);
  AppendEscaped(text, kSpecials, out, [](char c, std::string& to) {
    to += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&gt;";
  });
}

void AppendJsonString(std::string_view text, std::string& out) {
  static constexpr Specials kSpecials = Marks("\"\\", true);
  out += '"';
  AppendEscaped(text, kSpecials, out, [](char c, std::string& to) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      to.append(1, '\\').append(1, c);
    } else if (c == '\n') {
      to += "\\n";
    } else if (c == '\r') {
      to += "\\r";
    } else if (c == '\t') {
      to += "\\t";
    } else {
      constexpr std::string_view kHex = "0123456789abcdef";
      to.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
    }
  });
  out += '"';
}

// Lays texts out in one form, from their draws and their department's phrases.
class Layout {
 public:
  Layout(const Options& options, std::string_view lineEnd)
      : form_(options.form), lineEnd_(lineEnd), emptyLines_(!options.lines) {}

  // The first `lines` lines of the text that `records` draws.
  void Append(const Department& department, const TextRecords& records, int lines,
              std::string& out) {
    if (form_ == Form::kLines) {
      // Sized once and written in place: most of the command's time is spent here.
      std::array<LinePhrases, kLinesPerText> joined;
      const std::string_view before = !first_ && emptyLines_ ? lineEnd_ : "";
      std::size_t size = before.size();
      for (int i = 0; i < lines; ++i) {
        joined[static_cast<std::size_t>(i)] = Join(department, records, i);
        size += LineSize(joined[static_cast<std::size_t>(i)], lineEnd_);
      }
      const std::size_t start = out.size();
      out.resize(start + size + kSlack);
      char* to = out.data() + start;
      std::memcpy(to, before.data(), before.size());
      to += before.size();
      for (int i = 0; i < lines; ++i)
        to = WriteLine<kSlack>(to, joined[static_cast<std::size_t>(i)], lineEnd_);
      out.resize(start + size);
    } else {
      AppendOther(department, records, lines, out);
    }
    first_ = false;
  }

 private:
  static LinePhrases Join(const Department& department, const TextRecords& records, int i) {
    const auto& line = records[static_cast<std::size_t>(i)];
    return JoinPhrases(department.Phrase(0, line[0]), department.Phrase(1, line[1]),
                       department.Phrase(2, line[2]));
  }

  void AppendOther(const Department& department, const TextRecords& records, int lines,
                   std::string& out) {
    if (!first_ && (form_ == Form::kParagraphs || form_ == Form::kMarkdown))
      out += lineEnd_;
    if (form_ == Form::kJson) {
      out += R"({"department":)";
      AppendJsonString(department.name, out);
      out += R"(,"lines":[)";
    } else if (form_ == Form::kHtml) {
      out += "<p>";
    }
    paragraph_.clear();
    for (int i = 0; i < lines; ++i) {
      const std::string_view between = i == 0 ? "" : " ";
      if (form_ == Form::kJson) {
        line_.clear();
        AppendLine(line_, Join(department, records, i), "");
        out += i == 0 ? "" : ",";
        AppendJsonString(line_, out);
      } else {
        AppendLine(paragraph_.append(between), Join(department, records, i), "");
      }
    }
    switch (form_) {
      case Form::kParagraphs:
        out += paragraph_;
        break;
      case Form::kHtml:
        AppendHtml(paragraph_, out);
        out += "</p>";
        break;
      case Form::kMarkdown:
        AppendMarkdown(paragraph_, out);
        break;
      case Form::kJson:
        out += "]}";
        break;
      case Form::kLines:
        break;
    }
    out += lineEnd_;
  }

  Form form_;
  std::string_view lineEnd_;
  // Between texts in the form of lines; --lines counts lines without them.
  bool emptyLines_;
  bool first_ = true;
  std::string paragraph_;
  std::string line_;
};

// Every text after the set is read: nothing here can fail but the output.
template <class Random>
int WriteFromMemory(const Options& options, const std::vector<Department>& departments,
                    Random& random, std::string_view lineEnd, Output& output) {
  Layout layout(options, lineEnd);
  // Lines still to write with --lines, else texts still to write of each department.
  std::uint64_t left = options.lines ? *options.lines : options.texts;
  while (left > 0) {
    for (const Department& department : departments) {
      const TextRecords records = DrawRecords(department.counts, random);
      int lines = kLinesPerText;
      if (options.lines) {
        if (left < kLinesPerText)
          lines = static_cast<int>(left);
        left -= static_cast<std::uint64_t>(lines);
      }
      layout.Append(department, records, lines, output.buffer());
      if (!output.Commit())
        return 0;
      if (left == 0)
        break;
    }
    if (!options.lines)
      --left;
  }
  output.Flush();
  return 0;
}

}  // namespace

int WriteTexts(const Options& options, FileTable& files, RandomSource& random,
               const Encoder& encoder, Output& output, std::string& problem) {
  try {
    std::vector<Department> departments;
    try {
      // JSON is UTF-8 whatever the locale; its strings carry line breaks as \n.
      const Encoder json = Encoder::ForCharacterSet("UTF-8", false);
      departments = LoadDepartments(options, files, options.form == Form::kJson ? json : encoder);
    } catch (const Failure& failure) {
      problem = failure.what();
      return 1;
    }
    // The program's own two sources by their final types, so that their draws inline.
    if (auto* seeded = dynamic_cast<FixedSeedRandom*>(&random))
      return WriteFromMemory(options, departments, *seeded, encoder.LineEnd(), output);
    if (auto* clock = dynamic_cast<ClockSeededRandom*>(&random))
      return WriteFromMemory(options, departments, *clock, encoder.LineEnd(), output);
    return WriteFromMemory(options, departments, random, encoder.LineEnd(), output);
  } catch (const OutputError& error) {
    problem = error.what();
  } catch (const std::bad_alloc&) {
    problem = "out of memory";
  }
  return 1;
}

std::filesystem::path DataDirectory(const Options& options,
                                    const std::filesystem::path& installed) {
  if (!options.language.empty()) {
    const std::filesystem::path root =
        options.data.empty() ? installed : std::filesystem::path(options.data);
    return options.language == kEnglish ? root : root / options.language;
  }
  if (!options.data.empty())
    return options.data;
  // Present in any form counts: a counts file that is a directory is reported, not passed over.
  struct stat info {};
  if (::lstat(std::string(kCountsFileName).c_str(), &info) == 0)
    return ".";
  return installed;
}

std::vector<std::string> LanguagesIn(const std::filesystem::path& root) {
  std::vector<std::string> languages;
  const auto holdsSet = [](const std::filesystem::path& dir) {
    std::error_code unreadable;
    return std::filesystem::is_regular_file(dir / kCountsFileName, unreadable);
  };
  if (holdsSet(root))
    languages.emplace_back(kEnglish);
  // Only a short lowercase name can be a language, so no other folder is ever looked into.
  std::error_code error;
  for (std::filesystem::directory_iterator entry(root, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() >= 2 && name.size() <= 3 && name != kEnglish &&
        std::all_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
        holdsSet(entry->path()))
      languages.push_back(name);
  }
  std::sort(languages.begin(), languages.end());
  return languages;
}

std::filesystem::path InstalledDataDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return ZR_INSTALLED_DATA_DIR;
  return (program.parent_path() / ZR_DATA_DIR_FROM_BIN).lexically_normal();
}

}  // namespace zr::cli
