// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "unique_fd.h"

namespace zr {

// Files addressed by small numbers, as the data layer expects: a number stays bound from its open
// to its close, and every file name is a bare name looked up in one data directory (the working
// directory of the program, a temporary one in tests). Files are only ever read.
class FileTable {
 public:
  static constexpr int kMaxFileNumber = 255;

  explicit FileTable(std::filesystem::path directory = ".");
  ~FileTable();
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // Both fail with 55 when the number is bound, 53 when the file does not exist and 75 when it
  // cannot be opened or is not a regular file (a directory, a FIFO, a device). A failure about a
  // file starts its description with the file's PathOf.
  void OpenInput(int number, std::string_view name);
  void OpenRecords(int number, std::string_view name, int recordLength);

  // Frees the number; closing a free number is no failure.
  void Close(int number) noexcept;
  bool IsOpen(int number) const;

  // Free-format input (NumberReader): the next whole numbers. Fails with 54 on a records file.
  void ReadNumbers(int number, std::span<std::int16_t> out);

  // The record of the given number (from 1) as raw bytes. Fails with 63 below 1 and 62 when the
  // record does not lie wholly inside the file.
  std::string ReadRecord(int number, long recordNumber);
  // Records first to first + count - 1 end to end, in one read where the system allows; fails as
  // ReadRecord would on the first record it cannot read.
  std::string ReadRecords(int number, long first, long count);

  const std::filesystem::path& directory() const noexcept { return directory_; }

  // A data file's name as messages show it: bare in the working directory, else with the
  // directory in front.
  std::string PathOf(std::string_view name) const;

 private:
  struct OpenFile;
  OpenFile& Bound(int number);
  // Checks the number is free and opens the file read-only; returns it with its shown name.
  std::pair<UniqueFd, std::string> OpenFree(int number, std::string_view name) const;
  void Bind(int number, OpenFile file);

  std::filesystem::path directory_;
  std::array<std::unique_ptr<OpenFile>, kMaxFileNumber + 1> files_;
};

// Closes a file number when the scope ends, on the failure path too.
class FileGuard {
 public:
  FileGuard(FileTable& files, int number) noexcept : files_(files), number_(number) {}
  ~FileGuard() { files_.Close(number_); }
  FileGuard(const FileGuard&) = delete;
  FileGuard& operator=(const FileGuard&) = delete;

 private:
  FileTable& files_;
  int number_;
};

}  // namespace zr
