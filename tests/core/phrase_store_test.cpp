// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/phrase_store.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

using Counts = std::array<std::int16_t, 3>;

// Department row r's group in DistinctCounts().
Counts GroupOf(std::size_t row) {
  const auto first = static_cast<std::int16_t>(12 + 3 * row);
  return {first, static_cast<std::int16_t>(first + 1), static_cast<std::int16_t>(first + 2)};
}

// Counts files whose every field differs: 12, 13, 14 for the first department, then 15, ...
std::vector<std::string> DistinctCounts() {
  std::vector<std::string> fields = test::UniformCounts(0);
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = std::to_string(12 + i);
  return fields;
}

class PhraseStore : public testing::Test, protected test::Workspace {};

TEST_F(PhraseStore, DefaultLoadReadsOnlyTheFirstGroupAsExecutive) {
  dir.Write("zintok.dat", "30,31,32");
  LoadDefaultDepartment(state, files);
  EXPECT_EQ(state.DeptLetter, 'E');
  EXPECT_EQ(state.PhraseCounts, (Counts{30, 31, 32}));
  EXPECT_FALSE(files.IsOpen(kCountsFileNumber));
}

TEST_F(PhraseStore, SelectingTakesTheRowsGroup) {
  dir.WriteCounts(DistinctCounts());
  for (std::size_t row = kDepartments.size(); row-- > 0;) {
    SelectDepartment(state, files, static_cast<std::int16_t>(row));
    EXPECT_EQ(state.DeptLetter, kDepartments[row].letter);
    EXPECT_EQ(state.PhraseCounts, GroupOf(row));
    EXPECT_FALSE(files.IsOpen(kCountsFileNumber));
  }
}

TEST_F(PhraseStore, ReselectingRereadsTheCountsFile) {
  dir.WriteCounts(DistinctCounts());
  SelectDepartment(state, files, 1);
  std::vector<std::string> changed = test::UniformCounts(1);
  changed[3] = "40";
  changed[4] = "41";
  changed[5] = "42";
  dir.WriteCounts(changed);
  SelectDepartment(state, files, 1);
  EXPECT_EQ(state.PhraseCounts, (Counts{40, 41, 42}));
}

TEST_F(PhraseStore, AnIndexOutsideTheTableReadsTheFileAndChangesNothing) {
  dir.WriteCounts(DistinctCounts());
  SelectDepartment(state, files, 2);
  const auto past = static_cast<std::int16_t>(kDepartments.size());
  for (const std::int16_t index : std::array<std::int16_t, 3>{-1, past, 32767}) {
    SelectDepartment(state, files, index);
    EXPECT_EQ(state.DeptLetter, 'M');
    EXPECT_EQ(state.PhraseCounts, GroupOf(2));
  }
  dir.Write("zintok.dat", "1,2");
  EXPECT_EQ(test::FailureNumberOf([&] { SelectDepartment(state, files, 7); }),
            err::kInputPastEndOfFile);
}

// The first department is selected: a failure in a later group must not leave it in force.
TEST_F(PhraseStore, AFailedReadLeavesTheDepartmentAsItWasAndTheFileClosed) {
  dir.WriteCounts(DistinctCounts());
  SelectDepartment(state, files, 2);
  const ZINTOK1 before = state;
  struct Row {
    const char* last;  // the counts file's last field; empty for an empty file
    int failure;
  };
  for (const Row& row :
       {Row{"", err::kInputPastEndOfFile}, Row{"40000", err::kOverflow},
        Row{"x", err::kInvalidFileFormat}, Row{nullptr, err::kInputPastEndOfFile}}) {
    if (row.last == nullptr) {
      dir.Write("zintok.dat", "");
    } else {
      std::vector<std::string> fields = test::UniformCounts(12);
      fields.back() = row.last;
      dir.WriteCounts(fields);
    }
    EXPECT_EQ(test::FailureNumberOf([&] { SelectDepartment(state, files, 0); }), row.failure)
        << (row.last ? row.last : "empty file");
    EXPECT_EQ(state.DeptLetter, before.DeptLetter);
    EXPECT_EQ(state.PhraseCounts, before.PhraseCounts);
    EXPECT_FALSE(files.IsOpen(kCountsFileNumber));
  }
  std::filesystem::remove(dir.path() / "zintok.dat");
  EXPECT_EQ(test::FailureNumberOf([&] { SelectDepartment(state, files, 0); }), err::kFileNotFound);
  EXPECT_EQ(test::FailureNumberOf([&] { LoadDefaultDepartment(state, files); }),
            err::kFileNotFound);
  EXPECT_EQ(state.DeptLetter, 'M');
}

TEST_F(PhraseStore, PhraseFilesReadTrimmedRecordsAndCloseOnEveryPath) {
  dir.WritePhrases("E1.dat", {"full", std::string(40, 'z')});
  dir.WritePhrases("E2.dat", {std::string(40, ' '), "tabbed\t"});
  dir.WritePhrases("E3.dat", {"\"quoted\"", "a\rb\nc\r\nd\n\re\r\r\nf\r"});
  {
    PhraseFiles phrases(files, 'E');
    EXPECT_TRUE(files.IsOpen(1) && files.IsOpen(2) && files.IsOpen(3));
    EXPECT_EQ(phrases.Read(1, 2), std::string(40, 'z'));
    EXPECT_EQ(phrases.Read(2, 1), "");
    EXPECT_EQ(phrases.Read(2, 2), "tabbed\t");
    EXPECT_EQ(phrases.Read(3, 1), "\"quoted\"");
    // Only a CR LF pair stays a line break; a lone CR or LF would start a line of its own.
    EXPECT_EQ(phrases.Read(3, 2), "a b c\r\nd  e \r\nf ");
  }
  EXPECT_FALSE(AnyPhraseFileOpen());

  std::filesystem::remove(dir.path() / "E3.dat");
  EXPECT_EQ(test::FailureNumberOf([&] { PhraseFiles phrases(files, 'E'); }), err::kFileNotFound);
  EXPECT_FALSE(AnyPhraseFileOpen());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "E3.dat"));  // never created
}

}  // namespace
}  // namespace zr
