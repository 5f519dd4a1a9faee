// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "runtime/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "runtime/failure.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

using test::FailureNumberOf;

struct NumbersRow {
  const char* tag;
  const char* bytes;
  std::array<std::int16_t, 3> expected;
  int failure;  // 0 when the read succeeds
  // What the failure says after the file's name; the start-up report and the text command show it.
  const char* message = nullptr;
};

// The description of the failure a call ends with.
template <typename Call>
std::string DescriptionOf(Call&& call) {
  try {
    call();
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "no failure";
}

class NumberInput : public testing::TestWithParam<NumbersRow> {};

TEST_P(NumberInput, ReadsThreeNumbersOrFailsWithTheRightNumber) {
  const NumbersRow& row = GetParam();
  test::DataDir dir;
  dir.Write("n.dat", row.bytes);
  FileTable files(dir.path());
  files.OpenInput(1, "n.dat");
  std::array<std::int16_t, 3> got{};
  EXPECT_EQ(FailureNumberOf([&] { files.ReadNumbers(1, got); }), row.failure);
  if (row.failure == 0) {
    EXPECT_EQ(got, row.expected);
  }
  if (row.message != nullptr) {
    files.Close(1);
    files.OpenInput(1, "n.dat");
    EXPECT_EQ(DescriptionOf([&] { files.ReadNumbers(1, got); }),
              files.PathOf("n.dat") + row.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberInput,
    testing::Values(
        NumbersRow{"Commas", "30,31,32", {30, 31, 32}, 0},
        NumbersRow{"LineEnds", "30\n31\n32\n", {30, 31, 32}, 0},
        NumbersRow{"CrLf", "30\r\n31\r\n32\r\n", {30, 31, 32}, 0},
        NumbersRow{"CrOnly", "30\r31\r32\r", {30, 31, 32}, 0},
        NumbersRow{"BlanksAroundNumbers", "  30 ,\t31\t, 32  \r\n", {30, 31, 32}, 0},
        NumbersRow{"BlankLinesBetween", "30,31\r\n\r\n\n32", {30, 31, 32}, 0},
        NumbersRow{"CommaBeforeLineEnd", "30,31,\r\n32", {30, 31, 32}, 0},
        NumbersRow{"Signs", "-32768,+32767,-0", {-32768, 32767, 0}, 0},
        NumbersRow{"LeadingZeros", "0000000000000000000012,7,8", {12, 7, 8}, 0},
        NumbersRow{"ByteOrderMarkSkipped",
                   "\xEF\xBB\xBF"
                   "1,2,3",
                   {1, 2, 3},
                   0},
        NumbersRow{"FieldsAfterTheThirdNotRead", "1,2,3,junk", {1, 2, 3}, 0},
        NumbersRow{"Empty", "", {}, err::kInputPastEndOfFile},
        NumbersRow{"OnlyBlanks", "  \r\n \n", {}, err::kInputPastEndOfFile},
        NumbersRow{
            "TwoNumbers", "1,2", {}, err::kInputPastEndOfFile, ": the file ends after 2 numbers"},
        NumbersRow{"AboveRange", "1,32768,3", {}, err::kOverflow},
        NumbersRow{"BelowRange", "-32769,1,1", {}, err::kOverflow},
        NumbersRow{"FarAboveRange",
                   "1\r\n\n2\r40000",
                   {},
                   err::kOverflow,
                   ": line 4: 40000 does not fit in 16 bits"},
        NumbersRow{"Text", "1,two,3", {}, err::kInvalidFileFormat},
        NumbersRow{"Fraction",
                   "1,2.5,3",
                   {},
                   err::kInvalidFileFormat,
                   ": line 1: '2.5' is not a whole number"},
        NumbersRow{"EmptyField",
                   "1,,3",
                   {},
                   err::kInvalidFileFormat,
                   ": line 1: an empty field is not a whole number"},
        NumbersRow{"SignAlone", "1,-,3", {}, err::kInvalidFileFormat},
        NumbersRow{"TwoNumbersInOneField",
                   "1,2 3,4",
                   {},
                   err::kInvalidFileFormat,
                   ": line 1: '2 3' is not a whole number"},
        NumbersRow{"BinaryGarbage", "\x01\xFF\x00", {}, err::kInvalidFileFormat}),
    test::RowTag{});

// A message quotes at most 24 characters of a field: a million digits are not read to their end,
// and a field of leading zeros is not kept whole.
TEST(NumberInput, LongFieldsAreQuotedAsFarAsAMessageShows) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string(1'000'000, '9'), std::string(24, '9')},
      {std::string(100'000, '0') + "40000,1,1", std::string(24, '0')},
  };
  for (const auto& [bytes, shown] : cases) {
    test::DataDir dir;
    dir.Write("n.dat", bytes);
    FileTable files(dir.path());
    files.OpenInput(1, "n.dat");
    std::array<std::int16_t, 1> got{};
    EXPECT_EQ(DescriptionOf([&] { files.ReadNumbers(1, got); }),
              files.PathOf("n.dat") + ": line 1: " + shown + "... does not fit in 16 bits");
  }
}

// Address-space limits do not mix with AddressSanitizer's shadow memory.
#if !defined(__SANITIZE_ADDRESS__)
TEST(NumberInput, LeadingZerosOfAnyLengthReadInBoundedMemory) {
  constexpr std::size_t kZeros = 40u << 20;
  test::DataDir dir;
  {
    std::ofstream out(dir.path() / "n.dat", std::ios::binary);
    out << "12, 12, 12\n";
    const std::string block(1u << 20, '0');
    for (std::size_t i = 0; i < kZeros / block.size(); ++i) out << block;
    out << "13, 13, 13\n";
  }
  // The child may grow by a quarter of the field; keeping the field whole needs more.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + kZeros / 4;
    const rlimit bound{limit, limit};
    if (setrlimit(RLIMIT_AS, &bound) != 0)
      _exit(3);
    try {
      FileTable files(dir.path());
      files.OpenInput(1, "n.dat");
      std::array<std::int16_t, 4> got{};
      files.ReadNumbers(1, got);
      _exit(got[3] == 13 ? 0 : 1);
    } catch (...) {
      _exit(2);
    }
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
      << "child status " << status << " (1: wrong value, 2: failed, 3: no limit)";
}
#endif

TEST(NumberInput, ContinuesWhereThePreviousReadStopped) {
  test::DataDir dir;
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += std::to_string(i % 1000) + ",";  // crosses buffer fills
  dir.Write("n.dat", bytes);
  FileTable files(dir.path());
  files.OpenInput(1, "n.dat");
  for (int i = 0; i < 2000; ++i) {
    std::array<std::int16_t, 1> got{};
    files.ReadNumbers(1, got);
    ASSERT_EQ(got[0], i % 1000) << "field " << i;
  }
}

TEST(FileNumbers, BindingRules) {
  test::DataDir dir;
  dir.Write("a.dat", "1");
  FileTable files(dir.path());
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(1, "missing.dat"); }), err::kFileNotFound);
  EXPECT_STREQ(DescribeFailureNumber(53), "File not found");  // the start-up report's words
  EXPECT_FALSE(files.IsOpen(1));

  files.OpenInput(1, "a.dat");
  EXPECT_TRUE(files.IsOpen(1));
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(1, "a.dat"); }), err::kFileAlreadyOpen);
  EXPECT_EQ(FailureNumberOf([&] { files.OpenRecords(1, "a.dat", 40); }), err::kFileAlreadyOpen);
  files.Close(1);
  EXPECT_FALSE(files.IsOpen(1));
  files.Close(1);  // closing a free number is harmless
  files.OpenInput(1, "a.dat");

  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(0, "a.dat"); }), err::kBadFileNameOrNumber);
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(256, "a.dat"); }), err::kBadFileNameOrNumber);
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(255, "a.dat"); }), 0);
  std::array<std::int16_t, 1> got{};
  EXPECT_EQ(FailureNumberOf([&] { files.ReadNumbers(2, got); }), err::kBadFileNameOrNumber);
}

TEST(FileNumbers, GuardClosesOnTheFailurePath) {
  test::DataDir dir;
  dir.Write("a.dat", "x");
  FileTable files(dir.path());
  const auto readThroughGuard = [&] {
    files.OpenInput(1, "a.dat");
    FileGuard guard(files, 1);
    std::array<std::int16_t, 1> got{};
    files.ReadNumbers(1, got);
  };
  EXPECT_EQ(FailureNumberOf(readThroughGuard), err::kInvalidFileFormat);
  EXPECT_FALSE(files.IsOpen(1));
}

TEST(FileNumbers, OnlyRegularFilesOpen) {
  test::DataDir dir;
  std::filesystem::create_directory(dir.path() / "dir.dat");
  ASSERT_EQ(::mkfifo((dir.path() / "fifo.dat").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "dangling.dat");
  FileTable files(dir.path());
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(1, "dir.dat"); }), err::kPathFileAccessError);
  // A FIFO with no writer must not block the open.
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(1, "fifo.dat"); }), err::kPathFileAccessError);
  EXPECT_EQ(FailureNumberOf([&] { files.OpenRecords(1, "fifo.dat", 40); }),
            err::kPathFileAccessError);
  EXPECT_EQ(FailureNumberOf([&] { files.OpenInput(1, "dangling.dat"); }), err::kFileNotFound);
  EXPECT_EQ(DescriptionOf([&] { files.OpenInput(1, "fifo.dat"); }),
            (dir.path() / "fifo.dat").string() + ": not a regular file but a FIFO");
  EXPECT_FALSE(files.IsOpen(1));
  // In the working directory a name is shown bare.
  EXPECT_EQ(FileTable(".").PathOf("zintok.dat"), "zintok.dat");
}

TEST(RecordReads, ReadTheRecordAtItsOffset) {
  test::DataDir dir;
  dir.WritePhrases("p.dat", {"first", "second", std::string(40, 'x')});
  FileTable files(dir.path());
  files.OpenRecords(2, "p.dat", 40);
  EXPECT_EQ(files.ReadRecord(2, 2), "second" + std::string(34, ' '));
  EXPECT_EQ(files.ReadRecord(2, 3), std::string(40, 'x'));
  EXPECT_EQ(files.ReadRecord(2, 1), "first" + std::string(35, ' '));
  EXPECT_EQ(files.ReadRecords(2, 2, 2), "second" + std::string(34, ' ') + std::string(40, 'x'));
}

TEST(RecordReads, ARunOfRecordsNamesTheFirstItCannotRead) {
  test::DataDir dir;
  dir.Write("p.dat", std::string(3 * 40 + 39, 'a'));  // three records and most of a fourth
  FileTable files(dir.path());
  files.OpenRecords(1, "p.dat", 40);
  try {
    files.ReadRecords(1, 2, 5);
    ADD_FAILURE() << "records 2 to 6 of a file of three read";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), err::kInputPastEndOfFile);
    EXPECT_EQ(std::string(failure.what()),
              (dir.path() / "p.dat").string() + ": record 4 lies past the end of the file");
  }
}

TEST(RecordReads, RecordsOutsideTheFileFail) {
  test::DataDir dir;
  dir.Write("p.dat", std::string(40, 'a') + std::string(39, 'b'));  // partial second record
  dir.Write("empty.dat", "");
  FileTable files(dir.path());
  files.OpenRecords(1, "p.dat", 40);
  files.OpenRecords(2, "empty.dat", 40);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(1, 0); }), err::kBadRecordNumber);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(1, -5); }), err::kBadRecordNumber);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(1, 2); }), err::kInputPastEndOfFile);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(1, 32767); }), err::kInputPastEndOfFile);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(2, 1); }), err::kInputPastEndOfFile);
}

TEST(RecordReads, ModeMismatchFails) {
  test::DataDir dir;
  dir.Write("p.dat", std::string(40, 'a'));
  FileTable files(dir.path());
  files.OpenInput(1, "p.dat");
  files.OpenRecords(2, "p.dat", 40);
  std::array<std::int16_t, 1> got{};
  EXPECT_EQ(FailureNumberOf([&] { files.ReadRecord(1, 1); }), err::kBadFileMode);
  EXPECT_EQ(FailureNumberOf([&] { files.ReadNumbers(2, got); }), err::kBadFileMode);
}

// The access mode of this process's descriptor on the file, -1 for none. Root writes through any
// permission bits, so only the descriptor itself shows that the file was opened read-only.
int AccessModeOf(const std::filesystem::path& file) {
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code closed;  // a descriptor may close while listed
    if (std::filesystem::read_symlink(fd.path(), closed) == std::filesystem::canonical(file))
      return ::fcntl(std::stoi(fd.path().filename()), F_GETFL) & O_ACCMODE;
  }
  return -1;
}

TEST(Files, NothingIsWritten) {
  test::DataDir dir;
  dir.Write("p.dat", std::string(80, 'a'));
  const auto before = test::Snapshot(dir.path());
  {
    FileTable files(dir.path());
    files.OpenRecords(1, "p.dat", 40);
    EXPECT_EQ(AccessModeOf(dir.path() / "p.dat"), O_RDONLY);
    (void)files.ReadRecord(1, 2);
    EXPECT_THROW(files.OpenRecords(2, "new.dat", 40), Failure);
  }
  EXPECT_EQ(test::Snapshot(dir.path()), before);
}

}  // namespace
}  // namespace zr
