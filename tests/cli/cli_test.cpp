// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/output.h"
#include "cli/text_command.h"
#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "runtime/failure.h"
#include "runtime/random.h"
#include "runtime/unique_fd.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"

namespace zr::cli {
namespace {

using Kind = Request::Kind;
constexpr std::uint64_t kMax = 18446744073709551615u;

struct ParseRow {
  const char* tag;
  std::vector<std::string> arguments;
  Kind kind;
  std::vector<std::size_t> departments = {0};
  std::uint64_t texts = 1;
  std::optional<std::uint64_t> seed = std::nullopt;
  std::optional<std::uint64_t> lines = std::nullopt;
  Form form = Form::kLines;
};

class CommandLine : public testing::TestWithParam<ParseRow> {};

TEST_P(CommandLine, ParsesOrRefusesWithAUsageError) {
  const ParseRow& row = GetParam();
  std::vector<std::string> arguments{"zeziru-ridaz-text"};
  arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
  const Request request = ParseCommandLine(arguments);
  ASSERT_EQ(request.kind, row.kind) << request.text;
  if (row.kind == Kind::kUsageError) {
    EXPECT_EQ(request.text.find('\n'), std::string::npos) << "one line: " << request.text;
  } else if (row.kind == Kind::kTexts) {
    EXPECT_EQ(request.options.departments, row.departments);
    EXPECT_EQ(request.options.texts, row.texts);
    EXPECT_EQ(request.options.seed, row.seed);
    EXPECT_EQ(request.options.lines, row.lines);
    EXPECT_EQ(request.options.form, row.form);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLine,
    testing::Values(
        ParseRow{"Defaults", {}, Kind::kTexts},
        ParseRow{"PrefixInAnyCase", {"--department", "fIN"}, Kind::kTexts, {1}},
        ParseRow{"WholeNameAfterEquals", {"--department=Marketing"}, Kind::kTexts, {2}},
        ParseRow{"Letter", {"-d", "t"}, Kind::kTexts, {4}},
        ParseRow{"AllInTurn", {"--all", "-n", "2"}, Kind::kTexts, {0, 1, 2, 3, 4}, 2},
        ParseRow{"RangeEnds",
                 {"-s", "0", "--texts", "18446744073709551615"},
                 Kind::kTexts,
                 {0},
                 kMax,
                 0},
        ParseRow{"LargestSeed", {"--seed=18446744073709551615"}, Kind::kTexts, {0}, 1, kMax},
        ParseRow{"Help", {"--texts", "0", "--help"}, Kind::kHelp},
        ParseRow{"Version", {"--version"}, Kind::kVersion},
        ParseRow{"TextsZero", {"--texts", "0"}, Kind::kUsageError},
        ParseRow{"TextsNegative", {"--texts", "-1"}, Kind::kUsageError},
        ParseRow{"TextsPast64Bits", {"--texts", "99999999999999999999"}, Kind::kUsageError},
        ParseRow{"SeedPast64Bits", {"--seed", "18446744073709551616"}, Kind::kUsageError},
        ParseRow{"SeedNotANumber", {"--seed", "x"}, Kind::kUsageError},
        ParseRow{"SeedWithSign", {"--seed", "+1"}, Kind::kUsageError},
        ParseRow{"SeedWithBlank", {"--seed", "1 "}, Kind::kUsageError},
        ParseRow{"SeedMissing", {"--seed"}, Kind::kUsageError},
        ParseRow{"UnknownDepartment", {"-d", "Sales"}, Kind::kUsageError},
        ParseRow{"EmptyDepartment", {"-d", ""}, Kind::kUsageError},
        ParseRow{"AllAndDepartment", {"--all", "-d", "E"}, Kind::kUsageError},
        ParseRow{"LinesAndAForm",
                 {"-l", "30", "--format=HTML"},
                 Kind::kTexts,
                 {0},
                 1,
                 std::nullopt,
                 30,
                 Form::kHtml},
        ParseRow{"FormByPrefixTwice",
                 {"-f", "j", "--format", "json"},
                 Kind::kTexts,
                 {0},
                 1,
                 std::nullopt,
                 std::nullopt,
                 Form::kJson},
        ParseRow{"LinesZero", {"--lines", "0"}, Kind::kUsageError},
        ParseRow{"LinesNegative", {"--lines", "-1"}, Kind::kUsageError},
        ParseRow{"LinesPast64Bits", {"--lines", "18446744073709551616"}, Kind::kUsageError},
        ParseRow{"LinesAndTexts", {"--lines", "3", "-n", "1"}, Kind::kUsageError},
        ParseRow{"TwoForms", {"--format", "html", "-f", "markdown"}, Kind::kUsageError},
        ParseRow{"UnknownForm", {"--format", "xml"}, Kind::kUsageError},
        ParseRow{"EmptyForm", {"--format="}, Kind::kUsageError},
        ParseRow{"RawJson", {"--raw", "-f", "json"}, Kind::kUsageError},
        ParseRow{"UnknownOption", {"--pages", "3"}, Kind::kUsageError},
        ParseRow{"LongNameShortened", {"--dep", "fin", "--se=4"}, Kind::kTexts, {1}, 1, 4},
        ParseRow{"BundledFlagsAndValue", {"-an2"}, Kind::kTexts, {0, 1, 2, 3, 4}, 2},
        ParseRow{"AmbiguousPrefix", {"--d", "fin"}, Kind::kUsageError},
        ParseRow{"FlagWithValue", {"--crlf=yes"}, Kind::kUsageError},
        ParseRow{"AfterTheEndOfOptions", {"--", "-a"}, Kind::kUsageError},
        ParseRow{"StrayArgument", {"3"}, Kind::kUsageError},
        ParseRow{"EmptyDataDir", {"--data="}, Kind::kUsageError},
        ParseRow{"EmptyLanguage", {"--language="}, Kind::kUsageError}),
    test::RowTag{});

struct EncodeRow {
  const char* tag;
  const char* codeset;  // nullptr: raw
  bool crlf;
  const char* expected;
};

class Encoding : public testing::TestWithParam<EncodeRow> {};

TEST_P(Encoding, WritesTheLocalesCharactersAndLineEnds) {
  const EncodeRow& row = GetParam();
  const Encoder encoder =
      row.codeset == nullptr ? Encoder::Raw() : Encoder::ForCharacterSet(row.codeset, row.crlf);
  std::string out = "kept";
  // An accented letter, the euro sign and a byte the code page leaves undefined.
  encoder.Append("Vis-\xE0-vis \x80\r\n\x81\r\n", out);
  EXPECT_EQ(out, std::string("kept") + row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Encoding,
    testing::Values(EncodeRow{"Raw", nullptr, true, "Vis-\xE0-vis \x80\r\n\x81\r\n"},
                    EncodeRow{"Utf8", "UTF-8", false, "Vis-\u00E0-vis \u20AC\n\uFFFD\n"},
                    EncodeRow{"Utf8CrLf", "utf8", true, "Vis-\u00E0-vis \u20AC\r\n\uFFFD\r\n"},
                    EncodeRow{"Latin1LacksTheEuro", "ISO-8859-1", false, "Vis-\xE0-vis ?\n?\n"},
                    EncodeRow{"Ascii", "ANSI_X3.4-1968", false, "Vis-?-vis ?\n?\n"},
                    EncodeRow{"UnknownSet", "NO-SUCH-SET", true, "Vis-?-vis ?\r\n?\r\n"}),
    test::RowTag{});

// Deletes a phrase file at the given seeding: the texts after it fail.
class FailingRandom final : public RandomSource {
 public:
  FailingRandom(std::filesystem::path file, int failAt) : file_(std::move(file)), failAt_(failAt) {}
  void Seed() override {
    if (++seeds_ == failAt_)
      std::filesystem::remove(file_);
    seeded_.Seed();
  }
  float Next() override { return seeded_.Next(); }

 private:
  std::filesystem::path file_;
  int failAt_;
  int seeds_ = 0;
  FixedSeedRandom seeded_{5};
};

class TextCommand : public testing::Test, protected test::Workspace {
 protected:
  TextCommand() { dir.WriteUniformSet(20); }

  // Runs the command into a file through a small buffer; returns what reached the file.
  std::string Run(RandomSource& random,
                  const Encoder& encoder = Encoder::ForCharacterSet("UTF-8", false)) {
    const std::string path = (dir.path() / "out").string();
    {
      const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
      Output output(fd.get(), 100);
      status = WriteTexts(options, files, random, encoder, output, problem);
    }
    std::string written = dir.Read("out");
    std::filesystem::remove(path);
    return written;
  }

  Options options;
  int status = -1;
  std::string problem;
};

TEST_F(TextCommand, WritesTheWindowsTextsForTheSeedInTurn) {
  options.departments = {0, 1, 2, 3, 4};
  options.texts = 2;
  FixedSeedRandom random(77);
  const std::string written = Run(random);

  // What the window shows after each department click and Generate, over a clock reading 77.
  const test::FixedClock clock(std::chrono::system_clock::time_point(std::chrono::nanoseconds(77)));
  ClockSeededRandom window(clock);
  std::string expected;
  for (int round = 0; round < 2; ++round) {
    for (std::int16_t row = 0; row < 5; ++row) {
      SelectDepartment(state, files, row);
      if (!expected.empty())
        expected += "\n";
      Encoder::ForCharacterSet("UTF-8", false).Append(Generate(state, files, window), expected);
    }
  }
  EXPECT_EQ(status, 0) << problem;
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.substr(0, 3), "E1-");
}

TEST_F(TextCommand, AProblemAnyTextWouldMeetWritesNothing) {
  options.departments = {0, 4};
  // Technical's third file is one record short of its count; a draw may never land there.
  dir.Write("T3.dat", dir.Read("T3.dat").substr(0, 19 * 40));
  FixedSeedRandom random(1);
  EXPECT_EQ(Run(random), "");
  EXPECT_EQ(status, 1);
  EXPECT_EQ(problem,
            (dir.path() / "T3.dat").string() + ": record 20 lies past the end of the file");
}

TEST_F(TextCommand, ASetChangedDuringTheRunChangesNothing) {
  options.texts = 5;
  FixedSeedRandom undisturbed(5);
  const std::string expected = Run(undisturbed);
  FailingRandom random(dir.path() / "E2.dat", 2);
  EXPECT_EQ(Run(random), expected);
  EXPECT_EQ(status, 0) << problem;
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "E2.dat"));
}

TEST_F(TextCommand, AReaderThatLeftEndsItQuietly) {
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
  ::close(ends[0]);  // the reader has gone before the first write
  const UniqueFd writeEnd(ends[1]);
  options.texts = 1'000'000'000;  // the run must end at the first write, long before these
  FixedSeedRandom random(3);
  Output output(writeEnd.get(), 4096);
  status = WriteTexts(options, files, random, Encoder::Raw(), output, problem);
  std::signal(SIGPIPE, previous);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(problem, "");
}

TEST_F(TextCommand, TheDataDirectoryMustBeOne) {
  for (const auto& [name, message] :
       {std::pair{"nowhere", ": no such directory"}, std::pair{"E1.dat", ": not a directory"}}) {
    FileTable elsewhere(dir.path() / name);
    const Encoder encoder = Encoder::Raw();
    Output output(-1, 1 << 20);  // any write would fail
    FixedSeedRandom random(1);
    EXPECT_EQ(WriteTexts(options, elsewhere, random, encoder, output, problem), 1);
    EXPECT_EQ(problem, (dir.path() / name).string() + message);
    EXPECT_EQ(output.buffer(), "");
  }
}

// Only a folder with a short lowercase name and a set of its own is a language; the working
// directory is never one.
TEST(Languages, AreTheSetsBesideTheEnglishOneAndNothingElse) {
  test::DataDir root;
  root.Write("zintok.dat", "12,12,12\n");
  for (const char* folder : {"fr", "es", "de", "FR", "spanish"})
    std::filesystem::create_directory(root.path() / folder);
  for (const char* folder : {"fr", "es", "FR", "spanish"})
    std::ofstream(root.path() / folder / "zintok.dat") << "12,12,12\n";
  EXPECT_EQ(LanguagesIn(root.path()), (std::vector<std::string>{"en", "es", "fr"}));
  EXPECT_EQ(LanguagesIn(root.path() / "nowhere"), std::vector<std::string>{});

  Options options;
  options.language = "fr";
  EXPECT_EQ(DataDirectory(options, "/installed"), "/installed/fr");
  options.language = "en";
  EXPECT_EQ(DataDirectory(options, "/installed"), "/installed");
  options.data = root.path().string();
  options.language = "es";
  EXPECT_EQ(DataDirectory(options, "/installed"), root.path() / "es");
}

struct FormRow {
  const char* tag;
  Form form;
  bool crlf;
  std::string expected;
};

class Forms : public testing::TestWithParam<FormRow> {};

std::string Repeat(std::string_view part, int times, std::string_view between = "") {
  std::string out;
  for (int i = 0; i < times; ++i) out.append(i == 0 ? "" : between).append(part);
  return out;
}

// Every record of a column holds the same phrase, so that every line is the same whatever the
// draws: each form's markup and escapes can be read off whole. 14 lines make a text and a short
// one.
TEST_P(Forms, LaysOutEveryLineOfTheTextsAndEscapesWhatTheFormNeeds) {
  const FormRow& row = GetParam();
  test::DataDir dir;
  dir.WriteUniformSet(12);
  dir.WritePhrases("E1.dat", std::vector<std::string>(12, "-1 <A&B> caf\xE9"));
  dir.WritePhrases("E2.dat", std::vector<std::string>(12, R"(back\slash "q")"));
  dir.WritePhrases("E3.dat", std::vector<std::string>(12, "\"r*s_t\tu"));
  FileTable files(dir.path());
  Options options;
  options.lines = 14;
  options.form = row.form;
  FixedSeedRandom random(1);
  const std::string path = (dir.path() / "out").string();
  std::string problem;
  {
    const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    Output output(fd.get(), 100);
    ASSERT_EQ(WriteTexts(options, files, random, Encoder::ForCharacterSet("UTF-8", row.crlf),
                         output, problem),
              0)
        << problem;
  }
  EXPECT_EQ(dir.Read("out"), row.expected);
}

const std::string kLine = "-1 <A&B> caf\u00E9, back\\slash \"q r*s_t\tu";
const std::string kHtml = "-1 &lt;A&amp;B&gt; caf\u00E9, back\\slash \"q r*s_t\tu";
const std::string kMarkdown = "-1 \\<A\\&B\\> caf\u00E9, back\\\\slash \"q r\\*s\\_t\tu";
const std::string kJson = "\"-1 <A&B> caf\u00E9, back\\\\slash \\\"q r*s_t\\tu\"";

INSTANTIATE_TEST_SUITE_P(
    Rows, Forms,
    testing::Values(
        FormRow{"Lines", Form::kLines, false, Repeat(kLine + "\n", 14)},
        FormRow{"LinesCrLf", Form::kLines, true, Repeat(kLine + "\r\n", 14)},
        FormRow{"Paragraphs", Form::kParagraphs, false,
                Repeat(kLine, 12, " ") + "\n\n" + Repeat(kLine, 2, " ") + "\n"},
        FormRow{"ParagraphsCrLf", Form::kParagraphs, true,
                Repeat(kLine, 12, " ") + "\r\n\r\n" + Repeat(kLine, 2, " ") + "\r\n"},
        FormRow{"Html", Form::kHtml, false,
                "<p>" + Repeat(kHtml, 12, " ") + "</p>\n<p>" + Repeat(kHtml, 2, " ") + "</p>\n"},
        FormRow{"Markdown", Form::kMarkdown, false,
                "\\" + Repeat(kMarkdown, 12, " ") + "\n\n\\" + Repeat(kMarkdown, 2, " ") + "\n"},
        FormRow{"Json", Form::kJson, false,
                R"({"department":"Executive","lines":[)" + Repeat(kJson, 12, ",") +
                    "]}\n"
                    R"({"department":"Executive","lines":[)" +
                    Repeat(kJson, 2, ",") + "]}\n"},
        FormRow{"JsonCrLf", Form::kJson, true,
                R"({"department":"Executive","lines":[)" + Repeat(kJson, 12, ",") +
                    "]}\r\n"
                    R"({"department":"Executive","lines":[)" +
                    Repeat(kJson, 2, ",") + "]}\r\n"}),
    test::RowTag{});

}  // namespace
}  // namespace zr::cli
