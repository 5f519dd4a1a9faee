// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// zeziru-ridaz-phrasec [OPTION]... SOURCE_DIR OUTPUT_DIR
//
// Turns the editable phrase sources (UTF-8 text, one phrase a line) into the files the program
// reads: fixed-length Windows-1252 records per column and the counts file zintok.dat. Every
// problem in every source is reported before anything is written, so one run shows the whole list.

#include <getopt.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "data/content_words.h"
#include "data/phrase_rules.h"
#include "data/repetition.h"
#include "data/spelling.h"
#include "runtime/record.h"
#include "runtime/text.h"

namespace fs = std::filesystem;

namespace {

// A text takes one phrase a line from every column, never the same record twice.
constexpr std::size_t kMinPhrases = zr::kLinesPerText;
constexpr std::size_t kMaxPhrases = 32767;  // the program reads the counts as 16-bit numbers
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Beside the phrase files: the forms a predicate may begin with, and words the dictionary lacks.
constexpr std::string_view kVerbsFileName = "verbs.txt";
constexpr std::string_view kWordsFileName = "words.txt";
// The words the repetition checks do not count ("the", "our", "will").
constexpr std::string_view kFunctionWordsFileName = "function-words.txt";
// The longest source line that can hold a phrase: every character of a record three bytes in
// UTF-8, a byte-order mark and a carriage return. A longer line is measured, never held.
constexpr std::size_t kLongestPhraseLine = 3 * zr::kRecordLength + kUtf8Bom.size() + 1;
constexpr std::string_view kProgram = "zeziru-ridaz-phrasec";

class Problems {
 public:
  // `strict`: the rules of quotes and repetition are problems too, not only warnings.
  explicit Problems(bool strict) : strict_(strict) {}

  void Report(const std::string& where, std::string_view what) {
    std::cerr << where << ": " << what << '\n';
    ++count_;
  }
  // A rule the bundled set keeps, while a set of one's own still compiles without it.
  void ReportSetRule(const std::string& where, std::string_view what) {
    if (strict_)
      Report(where, what);
    else
      std::cerr << where << ": warning: " << what << '\n';
  }
  bool Strict() const { return strict_; }
  bool Any() const { return count_ > 0; }

 private:
  bool strict_;
  int count_ = 0;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\xA0';
}

// Checks one phrase; returns its Windows-1252 bytes, or an empty string after reporting.
std::string EncodePhrase(std::string_view line, const std::string& where, Problems& problems) {
  const auto encoded = zr::Utf8ToCp1252(line);
  if (!encoded) {
    problems.Report(where, "not valid UTF-8, or holds a character Windows-1252 cannot encode");
    return {};
  }
  bool ok = true;
  for (const char c : *encoded) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      problems.Report(where, "holds a tab or another control character");
      ok = false;
      break;
    }
  }
  if (IsBlank(encoded->front()) || IsBlank(encoded->back())) {
    problems.Report(where, "starts or ends with a blank");
    ok = false;
  }
  if (encoded->size() > zr::kRecordLength) {
    problems.Report(where, "phrase is " + std::to_string(encoded->size()) + " bytes, more than " +
                               std::to_string(zr::kRecordLength));
    ok = false;
  }
  return ok ? *encoded : std::string{};
}

// Calls `take(line, number)` for every line that is not blank or a comment, and reports a line
// too long for any phrase by its length; false when the file cannot be read. Memory stays flat
// however long a line is.
template <typename Take>
bool ReadLines(const fs::path& path, Problems& problems, Take take) {
  std::error_code error;
  std::ifstream in(path, std::ios::binary);
  if (!fs::is_regular_file(path, error) || !in)
    return false;
  std::string line;           // the line, up to kLongestPhraseLine bytes of it
  std::uintmax_t length = 0;  // bytes of the line, held or not
  bool blank = true;          // only blanks beyond what is held
  int number = 1;
  const auto endLine = [&] {
    if (number == 1 && line.starts_with(kUtf8Bom))
      line.erase(0, kUtf8Bom.size());
    if (length > kLongestPhraseLine) {
      blank = blank && line.find_first_not_of(" \t\r") == std::string::npos;
      if (!blank && !line.starts_with('#'))
        problems.Report(path.filename().string() + ':' + std::to_string(number),
                        "line is " + std::to_string(length) + " bytes, longer than any phrase (" +
                            std::to_string(zr::kRecordLength) + " bytes in Windows-1252)");
    } else {
      if (line.ends_with('\r'))
        line.pop_back();  // sources saved with Windows line ends
      if (line.find_first_not_of(" \t") != std::string::npos && !line.starts_with('#'))
        take(line, number);
    }
    line.clear();
    length = 0;
    blank = true;
    ++number;
  };
  std::array<char, 64 * 1024> chunk;
  while (in) {
    in.read(chunk.data(), chunk.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    for (std::size_t i = 0; i < got; ++i) {
      const char c = chunk[i];
      if (c == '\n') {
        endLine();
        continue;
      }
      ++length;
      if (line.size() < kLongestPhraseLine)
        line += c;
      else if (c != ' ' && c != '\t' && c != '\r')
        blank = false;
    }
  }
  if (length > 0)
    endLine();  // the last line has no line end
  return !in.bad();
}

// A list of single words, one a line; empty when the set has no such file.
std::vector<std::string> ReadWordList(const fs::path& path, Problems& problems) {
  std::vector<std::string> words;
  std::error_code error;
  if (!fs::exists(path, error))
    return words;
  const std::string name = path.filename().string();
  const bool read = ReadLines(path, problems, [&](const std::string& line, int number) {
    if (line.find_first_of(" \t") != std::string::npos || !zr::Utf8ToCp1252(line))
      problems.Report(name + ':' + std::to_string(number), "not one word in UTF-8");
    else
      words.push_back(line);
  });
  if (!read)
    problems.Report(name, "cannot read");
  return words;
}

struct Checks {
  zr::phrasec::LanguageRules language;
  std::vector<std::string> verbs;
  zr::phrasec::Speller* speller = nullptr;
};

// Reads one source file; returns its phrases as Windows-1252, each padded to a full record, and
// adds those it could encode to `phrases` for the checks across files.
std::vector<std::string> ReadSource(const fs::path& path, int column, const Checks& checks,
                                    Problems& problems, zr::phrasec::SourceFile& phrases) {
  const std::string name = path.filename().string();
  phrases.name = name;
  phrases.column = column;
  std::vector<std::string> records;
  std::map<std::string, int, std::less<>> firstLine;  // phrase -> line it first appeared on
  std::map<std::string, int, std::less<>> firstKey;   // the same, but for case and punctuation
  const bool read = ReadLines(path, problems, [&](const std::string& line, int number) {
    const std::string where = name + ':' + std::to_string(number);
    const auto [seen, fresh] = firstLine.try_emplace(line, number);
    const auto [alike, freshKey] =
        firstKey.try_emplace(zr::phrasec::NearDuplicateKey(line), number);
    if (!fresh)
      problems.Report(where, "duplicate of line " + std::to_string(seen->second));
    else if (!freshKey)
      problems.Report(where, "near-duplicate of line " + std::to_string(alike->second));
    std::string record = EncodePhrase(line, where, problems);
    if (!record.empty()) {
      phrases.phrases.push_back({number, record});
      for (const auto& problem :
           zr::phrasec::ColumnProblems(line, column, checks.verbs, checks.language))
        problems.Report(where, problem);
      if (const auto problem = zr::phrasec::QuoteProblem(line, column); !problem.empty())
        problems.ReportSetRule(where, problem);
      if (checks.speller != nullptr) {
        for (const auto& word : checks.speller->UnknownWords(line))
          problems.Report(where, "unknown word '" + word + "'");
      }
    }
    records.push_back(zr::PadRecord(record));
  });
  if (!read) {
    problems.Report(name, "cannot read");
  } else if (records.size() < kMinPhrases) {
    problems.Report(name, std::to_string(records.size()) + " phrases, at least " +
                              std::to_string(kMinPhrases) + " needed");
  } else if (records.size() > kMaxPhrases) {
    problems.Report(name, std::to_string(records.size()) + " phrases, at most " +
                              std::to_string(kMaxPhrases) + " allowed");
  }
  return records;
}

struct OutputFile {
  std::string name;
  std::string bytes;
};

// Writes every file under a temporary name first and renames only when all are complete, so a
// failed run leaves the previous set untouched and an interrupted one leaves no half file.
bool WriteAll(const fs::path& directory, const std::vector<OutputFile>& files) {
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) {
    std::cerr << directory.string() << ": cannot create: " << error.message() << '\n';
    return false;
  }
  const auto tempPath = [&](const OutputFile& file) { return directory / (file.name + ".tmp"); };
  const auto removeTemps = [&] {
    for (const auto& file : files) fs::remove(tempPath(file), error);
  };
  for (const auto& file : files) {
    std::ofstream out(tempPath(file), std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out) {
      std::cerr << tempPath(file).string() << ": cannot write\n";
      removeTemps();
      return false;
    }
  }
  for (const auto& file : files) {
    fs::rename(tempPath(file), directory / file.name, error);
    if (error) {
      std::cerr << (directory / file.name).string() << ": cannot replace: " << error.message()
                << '\n';
      removeTemps();
      return false;
    }
  }
  return true;
}

struct Options {
  std::string language = "en_US";
  bool spelling = true;
  bool requireSpelling = false;
  bool strict = false;
  fs::path sourceDir;
  fs::path outputDir;
};

// The content words by the set's list of function words; none without the list, so a set that
// has none is not checked for repeated words, unless it must be.
std::unique_ptr<zr::ContentWords> ReadContentWords(const fs::path& sourceDir, zr::WordForms forms,
                                                   Problems& problems) {
  const fs::path path = sourceDir / kFunctionWordsFileName;
  std::error_code error;
  if (!fs::exists(path, error)) {
    if (problems.Strict())
      problems.Report(std::string(kFunctionWordsFileName),
                      "missing; the repetition checks count the words it does not list");
    return nullptr;
  }
  return std::make_unique<zr::ContentWords>(ReadWordList(path, problems), forms);
}

int Run(const Options& options) {
  Problems problems(options.strict);
  Checks checks;
  checks.language = zr::phrasec::RulesForLanguage(options.language);
  checks.verbs = ReadWordList(options.sourceDir / kVerbsFileName, problems);
  const auto contentWords =
      ReadContentWords(options.sourceDir, checks.language.wordForms, problems);
  std::unique_ptr<zr::phrasec::Speller> speller;
  if (options.spelling) {
    std::string why;
    speller = zr::phrasec::Speller::Open(options.language, why);
    if (speller) {
      for (const auto& word : ReadWordList(options.sourceDir / kWordsFileName, problems))
        speller->Add(word);
      checks.speller = speller.get();
    } else if (options.requireSpelling) {
      problems.Report(std::string(kProgram), why);
    } else {
      std::cerr << kProgram << ": " << why << "; spelling not checked\n";
    }
  }

  std::vector<OutputFile> outputs;
  std::vector<zr::phrasec::SourceFile> sources;
  std::vector<std::string> counts;
  for (const auto& department : zr::kDepartments) {
    for (int column = 1; column <= zr::kColumns; ++column) {
      auto& source = sources.emplace_back();
      source.department = department.letter;
      const auto records =
          ReadSource(options.sourceDir / (zr::PhraseFileStem(department.letter, column) + ".txt"),
                     column, checks, problems, source);
      counts.push_back(std::to_string(records.size()));
      OutputFile& file =
          outputs.emplace_back(OutputFile{zr::PhraseFileName(department.letter, column), {}});
      for (const auto& record : records) file.bytes += record;
    }
  }
  for (const auto& finding : zr::phrasec::RepetitionFindings(sources, contentWords.get()))
    problems.ReportSetRule(finding.where, finding.message);
  if (problems.Any())
    return 1;
  // The counts file goes last: a reader that finds it can rely on the records it describes.
  outputs.push_back({std::string(zr::kCountsFileName), zr::CountsFileText(counts)});
  return WriteAll(options.outputDir, outputs) ? 0 : 1;
}

constexpr std::string_view kUsage =
    "Usage: zeziru-ridaz-phrasec [OPTION]... SOURCE_DIR OUTPUT_DIR\n";

void PrintHelp() {
  std::cout << kUsage
            << "Check a phrase set written as text and compile it into the files zeziru-ridaz "
               "reads.\n\n"
               "  -l, --lang=LANG        check spelling with the Hunspell dictionary LANG\n"
               "                         (default en_US; a path without .dic for other files)\n"
               "      --no-spelling      do not check spelling\n"
               "      --require-spelling fail when the dictionary cannot be loaded\n"
               "      --strict           count broken quotations, repeated words and phrases\n"
               "                         in two files as problems, not warnings\n"
               "  -h, --help             display this help and exit\n"
               "      --version          output version information and exit\n\n"
               "Every problem is reported as FILE:LINE: message; then nothing is written.\n"
               "A warning (FILE:LINE: warning: message) does not stop the set.\n";
}

// 0 to go on; otherwise the exit status.
int ParseOptions(int argc, char** argv, Options& options) {
  enum { kNoSpelling = 256, kRequireSpelling, kStrict, kVersion };
  const option longOptions[] = {{"lang", required_argument, nullptr, 'l'},
                                {"no-spelling", no_argument, nullptr, kNoSpelling},
                                {"require-spelling", no_argument, nullptr, kRequireSpelling},
                                {"strict", no_argument, nullptr, kStrict},
                                {"help", no_argument, nullptr, 'h'},
                                {"version", no_argument, nullptr, kVersion},
                                {nullptr, 0, nullptr, 0}};
  for (int c; (c = getopt_long(argc, argv, "l:h", longOptions, nullptr)) != -1;) {
    switch (c) {
      case 'l':
        options.language = optarg;
        break;
      case kNoSpelling:
        options.spelling = false;
        break;
      case kRequireSpelling:
        options.requireSpelling = true;
        break;
      case kStrict:
        options.strict = true;
        break;
      case 'h':
        PrintHelp();
        return -1;
      case kVersion:
        std::cout << kProgram << " " ZR_VERSION "\n";
        return -1;
      default:
        std::cerr << "Try 'zeziru-ridaz-phrasec --help' for more information.\n";
        return 2;
    }
  }
  if (argc - optind != 2) {
    std::cerr << kUsage << "Try 'zeziru-ridaz-phrasec --help' for more information.\n";
    return 2;
  }
  options.sourceDir = argv[optind];
  options.outputDir = argv[optind + 1];
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Options options;
    if (const int status = ParseOptions(argc, argv, options); status != 0)
      return status < 0 ? 0 : status;
    return Run(options);
  } catch (const std::exception& e) {
    std::cerr << kProgram << ": " << e.what() << '\n';
    return 1;
  }
}
