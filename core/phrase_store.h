// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/zintok1.h"
#include "runtime/files.h"
#include "runtime/record.h"

namespace zr {

struct Department {
  std::string_view caption;  // the option button's, exactly as the window shows it
  std::string_view name;     // one word, as the command line and its output name it
  char letter;
};

// The one table of departments. Row index = option button index = group position in the counts
// file; the letter names the department's phrase files.
inline constexpr auto kDepartments = std::to_array<Department>({
    {"Executive", "Executive", 'E'},
    {"Financial", "Financial", 'F'},
    {"Marketing andSales", "Marketing", 'M'},
    {"Personnel", "Personnel", 'P'},
    {"Technical", "Technical", 'T'},
});

// The table row of a department letter; the row count when no department has it.
constexpr std::size_t DepartmentRow(char letter) {
  std::size_t row = 0;
  while (row < kDepartments.size() && kDepartments[row].letter != letter) ++row;
  return row;
}

inline constexpr std::string_view kCountsFileName = "zintok.dat";
inline constexpr int kColumns = 3;
// The counts file and the column-1 phrase file share number 1; they are never open together.
inline constexpr int kCountsFileNumber = 1;

// Reads the first group of the counts file and makes Executive current.
void LoadDefaultDepartment(ZINTOK1& state, FileTable& files);

// Reads every group of the counts file, then makes the department of that row current. An index
// outside the table reads the file and changes nothing. On failure the state is left as it was.
void SelectDepartment(ZINTOK1& state, FileTable& files, std::int16_t index);

// "E1" for letter 'E', column 1: a phrase file's name without its ending (".dat" compiled,
// ".txt" as a source).
std::string PhraseFileStem(char letter, int column);
// "E1.dat" for letter 'E', column 1.
std::string PhraseFileName(char letter, int column);

// The text of a counts file holding these fields in table order, one department a line.
std::string CountsFileText(std::span<const std::string> fields);

// The current department's three phrase files, open under numbers 1 to 3 for the lifetime of this
// object; they close in the order 3, 2, 1 on every path.
class PhraseFiles {
 public:
  PhraseFiles(FileTable& files, char letter);
  ~PhraseFiles();
  PhraseFiles(const PhraseFiles&) = delete;
  PhraseFiles& operator=(const PhraseFiles&) = delete;

  // The record of that column's file with its trailing spaces removed, and every CR or LF byte
  // that is not part of a CR LF pair read as a space.
  std::string Read(int column, std::int16_t record);
  // Records 1 to count of that column, each as Read gives it, in one read.
  std::vector<std::string> ReadAll(int column, std::int16_t count);

 private:
  FileTable& files_;
  char letter_;
};

}  // namespace zr
