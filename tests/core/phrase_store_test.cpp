#include "core/phrase_store.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

using Counts = std::array<std::int16_t, 3>;

constexpr const char* kFiveLines = "12,13,14\r\n15,16,17\r\n18,19,20\r\n21,22,23\r\n24,25,26\r\n";

class PhraseStore : public testing::Test {
 protected:
  test::DataDir dir;
  FileTable files{dir.path()};
  ZINTOK1 state;
};

TEST_F(PhraseStore, DefaultLoadReadsOnlyTheFirstGroupAsExecutive) {
  dir.Write("zintok.dat", "30,31,32");
  LoadDefaultDepartment(state, files);
  EXPECT_EQ(state.DeptLetter, 'E');
  EXPECT_EQ(state.PhraseCounts, (Counts{30, 31, 32}));
  EXPECT_FALSE(files.IsOpen(kCountsFileNumber));
}

TEST_F(PhraseStore, SelectingTakesTheRowsGroup) {
  dir.Write("zintok.dat", kFiveLines);
  const std::array<Counts, 5> expected = {
      {{12, 13, 14}, {15, 16, 17}, {18, 19, 20}, {21, 22, 23}, {24, 25, 26}}};
  for (const std::int16_t index : std::array<std::int16_t, 5>{4, 3, 2, 1, 0}) {
    SelectDepartment(state, files, index);
    EXPECT_EQ(state.DeptLetter, kDepartments[static_cast<std::size_t>(index)].letter);
    EXPECT_EQ(state.PhraseCounts, expected[static_cast<std::size_t>(index)]);
    EXPECT_FALSE(files.IsOpen(kCountsFileNumber));
  }
}

TEST_F(PhraseStore, ReselectingRereadsTheCountsFile) {
  dir.Write("zintok.dat", kFiveLines);
  SelectDepartment(state, files, 1);
  dir.Write("zintok.dat", "1,1,1,40,41,42,1,1,1,1,1,1,1,1,1");
  SelectDepartment(state, files, 1);
  EXPECT_EQ(state.PhraseCounts, (Counts{40, 41, 42}));
}

TEST_F(PhraseStore, AnIndexOutsideTheTableReadsTheFileAndChangesNothing) {
  dir.Write("zintok.dat", kFiveLines);
  SelectDepartment(state, files, 2);
  for (const std::int16_t index : std::array<std::int16_t, 3>{-1, 5, 32767}) {
    SelectDepartment(state, files, index);
    EXPECT_EQ(state.DeptLetter, 'M');
    EXPECT_EQ(state.PhraseCounts, (Counts{18, 19, 20}));
  }
  dir.Write("zintok.dat", "1,2");
  EXPECT_EQ(test::FailureNumberOf([&] { SelectDepartment(state, files, 7); }),
            err::kInputPastEndOfFile);
}

TEST_F(PhraseStore, AFailedReadLeavesTheDepartmentAsItWasAndTheFileClosed) {
  dir.Write("zintok.dat", kFiveLines);
  SelectDepartment(state, files, 2);
  const ZINTOK1 before = state;
  struct Row {
    const char* bytes;
    int failure;
  };
  for (const Row& row :
       {Row{"1,2,3,4,5,6,7,8,9,10,11,12,13,14", err::kInputPastEndOfFile},
        Row{"12,12,12,12,12,12,12,12,12,12,12,12,12,12,40000", err::kOverflow},
        Row{"12,12,12,12,12,12,12,12,12,12,12,12,12,12,x", err::kInvalidFileFormat},
        Row{"", err::kInputPastEndOfFile}}) {
    dir.Write("zintok.dat", row.bytes);
    EXPECT_EQ(test::FailureNumberOf([&] { SelectDepartment(state, files, 4); }), row.failure)
        << row.bytes;
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
  EXPECT_FALSE(files.IsOpen(1) || files.IsOpen(2) || files.IsOpen(3));

  std::filesystem::remove(dir.path() / "E3.dat");
  EXPECT_EQ(test::FailureNumberOf([&] { PhraseFiles phrases(files, 'E'); }), err::kFileNotFound);
  EXPECT_FALSE(files.IsOpen(1) || files.IsOpen(2) || files.IsOpen(3));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "E3.dat"));  // never created
}

}  // namespace
}  // namespace zr
