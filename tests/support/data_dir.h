// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/zintok1.h"
#include "runtime/files.h"

namespace zr::test {

// A fresh temporary data directory, removed with everything in it when the object goes.
class DataDir {
 public:
  DataDir();
  ~DataDir();
  DataDir(const DataDir&) = delete;
  DataDir& operator=(const DataDir&) = delete;

  const std::filesystem::path& path() const noexcept { return path_; }

  // Writes a file of exactly these bytes.
  void Write(std::string_view name, std::string_view bytes) const;
  // Writes a phrase file: each phrase padded with spaces to one record.
  void WritePhrases(std::string_view name, const std::vector<std::string>& phrases) const;
  std::string Read(std::string_view name) const;
  // Writes the counts file: these fields, a department's three to a line.
  void WriteCounts(const std::vector<std::string>& fields) const;

  // A complete valid set: every department has `count` distinct phrases per column, named like
  // "E1-07" (department letter, column, record number), and a counts file to match.
  void WriteUniformSet(int count) const;

 private:
  std::filesystem::path path_;
};

// What every handler works on: a fresh data directory, the file table over it and the shared
// state.
struct Workspace {
  DataDir dir;
  FileTable files{dir.path()};
  ZINTOK1 state;

  // Whether any phrase file (numbers 1 to 3) is still open.
  bool AnyPhraseFileOpen() const { return files.IsOpen(1) || files.IsOpen(2) || files.IsOpen(3); }
};

// What the text box shows for a failure without a message of its own.
inline constexpr const char* kDefaultErrorMessage = "Unknown VB error.";

// Everything a program could change in a directory, one entry a name: kind, size, modification
// and change times, and the bytes of regular files. Equal snapshots mean nothing was written.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir);

// The whole contents of a file.
std::string ReadFile(const std::filesystem::path& path);

// The fields of a counts file that gives every phrase file `count` records: three a department, in
// the order of the department table.
std::vector<std::string> UniformCounts(int count);

// Phrases "<letter><column>-<nn>" for records 1..count.
std::vector<std::string> NumberedPhrases(char letter, int column, int count);

}  // namespace zr::test
