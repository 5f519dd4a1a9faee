// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "cli/text_command.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <new>
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

// The counts of every department asked for, checked as far as the first text would need them.
std::vector<ZINTOK1> LoadDepartments(const Options& options, FileTable& files) {
  CheckDirectory(files.directory());
  std::vector<ZINTOK1> departments;
  for (const std::size_t row : options.departments) {
    ZINTOK1 state;
    SelectDepartment(state, files, static_cast<std::int16_t>(row));
    CheckPhraseFiles(state, files);
    departments.push_back(state);
  }
  return departments;
}

}  // namespace

int WriteTexts(const Options& options, FileTable& files, RandomSource& random,
               const Encoder& encoder, Output& output, std::string& problem) {
  try {
    try {
      const std::vector<ZINTOK1> departments = LoadDepartments(options, files);
      bool first = true;
      for (std::uint64_t round = 0; round < options.texts; ++round) {
        for (const ZINTOK1& state : departments) {
          const std::string text = Generate(state, files, random);
          std::string& buffer = output.buffer();
          if (!first)
            buffer += encoder.EmptyLine();
          first = false;
          encoder.Append(text, buffer);
          if (!output.Commit())
            return 0;
        }
      }
      output.Flush();
      return 0;
    } catch (const Failure& failure) {
      problem = failure.what();
      // The texts made before it are whole.
      output.Flush();
      return 1;
    }
  } catch (const OutputError& error) {
    problem = error.what();
  } catch (const std::bad_alloc&) {
    problem = "out of memory";
  }
  return 1;
}

std::filesystem::path DataDirectory(const Options& options,
                                    const std::filesystem::path& installed) {
  if (!options.data.empty())
    return options.data;
  // Present in any form counts: a counts file that is a directory is reported, not passed over.
  struct stat info {};
  if (::lstat(std::string(kCountsFileName).c_str(), &info) == 0)
    return ".";
  return installed;
}

std::filesystem::path InstalledDataDirectory() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return ZR_INSTALLED_DATA_DIR;
  return (program.parent_path() / ZR_DATA_DIR_FROM_BIN).lexically_normal();
}

}  // namespace zr::cli
