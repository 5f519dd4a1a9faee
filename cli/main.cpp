// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// zeziru-ridaz-text: the window's texts on standard output.

#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "cli/output.h"
#include "cli/text_command.h"
#include "core/phrase_store.h"
#include "runtime/clock.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace {

using namespace zr::cli;

// Output is this large before it is written, unless a terminal is waiting for each text.
constexpr std::size_t kBlock = 64 * 1024;

// One line on standard error, in one write.
void Complain(std::string_view problem) {
  std::string line(kProgram);
  line.append(": ").append(problem).append("\n");
  [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
}

// The C locale's set is plain ASCII; like many tools today, take UTF-8 there instead.
std::string LocaleCharacterSet() {
  const char* ctype = std::setlocale(LC_CTYPE, nullptr);
  if (ctype == nullptr || std::strcmp(ctype, "C") == 0 || std::strcmp(ctype, "POSIX") == 0)
    return "UTF-8";
  return ::nl_langinfo(CODESET);
}

int Run(int argc, char* argv[]) {
  const Request request = ParseCommandLine(std::vector<std::string>(argv, argv + argc));
  switch (request.kind) {
    case Request::Kind::kUsageError:
      Complain(request.text);
      return 2;
    case Request::Kind::kHelp:
    case Request::Kind::kVersion: {
      Output output(STDOUT_FILENO, 0);
      output.buffer() = request.text;
      output.Flush();
      return 0;
    }
    case Request::Kind::kTexts:
      break;
  }
  const Options& options = request.options;
  const std::filesystem::path installed = InstalledDataDirectory();
  if (!options.language.empty()) {
    const std::filesystem::path root =
        options.data.empty() ? installed : std::filesystem::path(options.data);
    const std::vector<std::string> languages = LanguagesIn(root);
    if (std::find(languages.begin(), languages.end(), options.language) == languages.end()) {
      std::string installedOnes;
      for (const std::string& language : languages)
        installedOnes.append(installedOnes.empty() ? "" : ", ").append(language);
      Complain("--language: '" + options.language + "' is not installed" +
               (languages.empty() ? ": no phrase set in " + root.string()
                                  : "; installed: " + installedOnes));
      return 2;
    }
  }
  const std::filesystem::path data = DataDirectory(options, installed);
  std::error_code unknown;  // a set that cannot be looked at is reported when it is read
  if (options.data.empty() && data == installed && !std::filesystem::exists(installed, unknown) &&
      !unknown) {
    Complain("no " + std::string(zr::kCountsFileName) +
             " in the current directory and no phrase set installed at " + installed.string() +
             ": name one with --data");
    return 1;
  }
  zr::FileTable files(data);
  const Encoder encoder =
      options.raw ? Encoder::Raw() : Encoder::ForCharacterSet(LocaleCharacterSet(), options.crlf);
  Output output(STDOUT_FILENO, ::isatty(STDOUT_FILENO) ? 0 : kBlock);
  const zr::SystemClock clock;
  zr::ClockSeededRandom fromClock(clock);
  std::optional<zr::FixedSeedRandom> fromSeed;
  if (options.seed)
    fromSeed.emplace(*options.seed);
  zr::RandomSource& random = fromSeed ? static_cast<zr::RandomSource&>(*fromSeed) : fromClock;

  std::string problem;
  const int status = WriteTexts(options, files, random, encoder, output, problem);
  if (status != 0)
    Complain(problem);
  return status;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::setlocale(LC_ALL, "");
  try {
    return Run(argc, argv);
  } catch (const OutputError& error) {
    Complain(error.what());
  } catch (const std::exception& error) {
    Complain(std::string("internal error: ") + error.what());
  }
  return 1;
}
