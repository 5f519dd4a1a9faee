// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "tests/support/data_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/phrase_store.h"
#include "runtime/record.h"

namespace zr::test {

DataDir::DataDir() {
  std::string pattern = (std::filesystem::path(testing::TempDir()) / "zr-data-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

DataDir::~DataDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void DataDir::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write test file");
}

void DataDir::WritePhrases(std::string_view name, const std::vector<std::string>& phrases) const {
  std::string bytes;
  for (const auto& phrase : phrases) bytes += PadRecord(phrase);
  Write(name, bytes);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    struct stat info {};
    ::lstat(entry.path().c_str(), &info);
    // A stream, not a chain of string +: GCC 12 at -O3 warns falsely (-Wrestrict) on the chain.
    std::ostringstream facts;
    facts << info.st_mode << ' ' << info.st_size << ' ' << info.st_mtim.tv_sec << '.'
          << info.st_mtim.tv_nsec << ' ' << info.st_ctim.tv_sec << '.' << info.st_ctim.tv_nsec;
    if (S_ISREG(info.st_mode))
      facts << ' ' << ReadFile(entry.path());
    entries[entry.path().filename().string()] = facts.str();
  }
  return entries;
}

std::string DataDir::Read(std::string_view name) const {
  return ReadFile(path_ / name);
}

std::vector<std::string> NumberedPhrases(char letter, int column, int count) {
  std::vector<std::string> phrases;
  for (int n = 1; n <= count; ++n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%d-%02d", letter, column, n);
    phrases.emplace_back(buffer);
  }
  return phrases;
}

namespace {
constexpr auto kFieldsPerLine = static_cast<std::size_t>(kColumns);
}

std::vector<std::string> UniformCounts(int count) {
  return std::vector<std::string>(kDepartments.size() * kFieldsPerLine, std::to_string(count));
}

void DataDir::WriteCounts(const std::vector<std::string>& fields) const {
  Write(kCountsFileName, CountsFileText(fields));
}

void DataDir::WriteUniformSet(int count) const {
  for (const auto& department : kDepartments) {
    for (int column = 1; column <= kColumns; ++column) {
      WritePhrases(PhraseFileName(department.letter, column),
                   NumberedPhrases(department.letter, column, count));
    }
  }
  WriteCounts(UniformCounts(count));
}

}  // namespace zr::test
