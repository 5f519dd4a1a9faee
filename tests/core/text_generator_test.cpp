// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "core/text_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/phrase_store.h"
#include "runtime/failure.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

class TextGenerator : public testing::Test, protected test::Workspace {
 protected:
  void UseDepartment(char letter, std::array<std::int16_t, 3> counts) {
    state.DeptLetter = letter;
    state.PhraseCounts = counts;
  }
};

TEST_F(TextGenerator, TwelveLinesOfOpeningCommaMiddleSpaceClosing) {
  dir.WriteUniformSet(30);
  UseDepartment('F', {30, 30, 30});
  test::SeededRandom random(7);
  const std::string text = Generate(state, files, random);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 12u);
  std::array<std::set<std::string>, 3> seen;
  for (const auto& line : lines) {
    ASSERT_EQ(line.size(), 5 + 2 + 5 + 1 + 5) << line;
    EXPECT_EQ(line.substr(0, 3), "F1-");
    EXPECT_EQ(line.substr(5, 5), ", F2-");
    EXPECT_EQ(line.substr(12, 4), " F3-");
    seen[0].insert(line.substr(0, 5));
    seen[1].insert(line.substr(7, 5));
    seen[2].insert(line.substr(13, 5));
  }
  for (const auto& column : seen) EXPECT_EQ(column.size(), 12u) << "a record was used twice";
  EXPECT_FALSE(AnyPhraseFileOpen());
}

TEST_F(TextGenerator, ACountOfTwelveUsesEveryRecordOnce) {
  dir.WriteUniformSet(12);
  UseDepartment('T', {12, 12, 12});
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    test::SeededRandom random(seed);
    std::set<std::string> openings;
    for (const auto& line : Lines(Generate(state, files, random)))
      openings.insert(line.substr(0, 5));
    EXPECT_EQ(openings.size(), 12u);
  }
}

TEST_F(TextGenerator, OnlyRecordsUpToTheCountAreDrawn) {
  dir.WriteUniformSet(40);
  UseDepartment('E', {12, 40, 12});
  test::SeededRandom random(3);
  for (const auto& line : Lines(Generate(state, files, random))) {
    EXPECT_LE(std::stoi(line.substr(3, 2)), 12) << line;
  }
}

TEST_F(TextGenerator, RepeatsAreDrawnAgainAndSeedingIsPerText) {
  dir.WriteUniformSet(20);
  UseDepartment('E', {20, 20, 20});
  // The fourth value repeats column 1's first record and must be discarded.
  std::vector<float> values = {0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f};
  for (int i = 0; i < 20; ++i) values.push_back(static_cast<float>(i) / 20.0f);
  test::ScriptedRandom random(values);
  const auto lines = Lines(Generate(state, files, random));
  EXPECT_EQ(lines[0], "E1-01, E2-01 E3-01");
  EXPECT_EQ(lines[1], "E1-11, E2-11 E3-11");
  EXPECT_EQ(random.seeds, 1);
  Generate(state, files, random);
  EXPECT_EQ(random.seeds, 2);
}

TEST(DrawRecordNumber, FollowsTheFormula) {
  EXPECT_EQ(DrawRecordNumber(30, 0.0f), 1);
  EXPECT_EQ(DrawRecordNumber(30, 0.999999940395f), 30);  // largest float below 1
  EXPECT_EQ(DrawRecordNumber(32767, 0.999999940395f), 32767);
  EXPECT_EQ(DrawRecordNumber(12, 0.5f), 7);
  EXPECT_EQ(DrawRecordNumber(3, 1.0f / 3.0f), 2);  // 3 * 0.33333334f is just above 1
  EXPECT_EQ(DrawRecordNumber(0, 0.5f), 0);         // clamped to the count
  EXPECT_EQ(DrawRecordNumber(-4, 0.5f), -4);
}

struct QuoteRow {
  const char* tag;
  const char* a;
  const char* b;
  const char* c;
  const char* line;
};

class QuoteMerging : public TextGenerator, public testing::WithParamInterface<QuoteRow> {};

TEST_P(QuoteMerging, JoinsQuotesOnlyWhereBothSidesHaveOne) {
  const QuoteRow& row = GetParam();
  for (int column = 1; column <= 3; ++column) {
    const char* phrase = column == 1 ? row.a : column == 2 ? row.b : row.c;
    dir.WritePhrases(PhraseFileName('M', column), std::vector<std::string>(12, phrase));
  }
  // Identical records let every draw read the same line.
  UseDepartment('M', {12, 12, 12});
  test::SeededRandom random(1);
  EXPECT_EQ(Lines(Generate(state, files, random))[0], row.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QuoteMerging,
    testing::Values(
        QuoteRow{"AtoB", "He said \"go\"", "\"big\" now", "team.", "He said \"go, big\" now team."},
        QuoteRow{"AEndsOnlyKeepsQuote", "He said \"go\"", "the team", "won.",
                 "He said \"go\", the team won."},
        QuoteRow{"BStartsOnlyKeepsQuote", "So", "\"the team", "won.", "So, \"the team won."},
        QuoteRow{"BtoC", "So", "the \"team\"", "\"won\" today.", "So, the \"team won\" today."},
        QuoteRow{"AllQuotedBothEnds", "\"one\"", "\"two\"", "\"three\"", "\"one, two three\""},
        QuoteRow{"InnerQuotesStay", "a\"b", "c\"d", "e\"f", "a\"b, c\"d e\"f"},
        QuoteRow{"LoneQuotesMergeOnceFromTheLeft", "\"", "\"", "\"", ",  \""},
        QuoteRow{"EmptyPhrasesKeepSeparators", "", "", "", ",  "}),
    test::RowTag{});

TEST_F(TextGenerator, CountsBelowTwelveFailBeforeAnyFileIsOpened) {
  dir.WriteUniformSet(30);
  test::ScriptedRandom random({0.5f});
  for (const std::array<std::int16_t, 3> counts :
       {std::array<std::int16_t, 3>{11, 30, 30}, {30, 0, 30}, {30, 30, -1}, {-32768, 1, 5}}) {
    UseDepartment('E', counts);
    EXPECT_EQ(test::FailureNumberOf([&] { Generate(state, files, random); }),
              err::kBadRecordNumber);
    EXPECT_EQ(random.draws, 0);
    EXPECT_FALSE(AnyPhraseFileOpen());
  }
}

TEST_F(TextGenerator, CheckPhraseFilesFindsWhatOnlyALaterDrawWouldMeet) {
  dir.WriteUniformSet(30);
  UseDepartment('E', {30, 30, 30});
  EXPECT_EQ(test::FailureNumberOf([&] { CheckPhraseFiles(state, files); }), 0);
  // One record short: Generate fails only when a draw lands on record 30.
  dir.Write("E3.dat", dir.Read("E3.dat").substr(0, 29 * 40));
  EXPECT_EQ(test::FailureNumberOf([&] { CheckPhraseFiles(state, files); }),
            err::kInputPastEndOfFile);
  EXPECT_FALSE(AnyPhraseFileOpen());
  UseDepartment('E', {30, 11, 29});
  EXPECT_EQ(test::FailureNumberOf([&] { CheckPhraseFiles(state, files); }), err::kBadRecordNumber);
  EXPECT_FALSE(AnyPhraseFileOpen());
}

TEST_F(TextGenerator, FileFailuresCloseEverythingAndTheNextRunWorks) {
  dir.WriteUniformSet(12);
  UseDepartment('P', {12, 12, 12});
  test::SeededRandom random(9);
  struct Row {
    std::string file;
    std::string bytes;  // empty: remove the file
    int failure;
  };
  const std::string good = dir.Read("P2.dat");
  for (const Row& row : {Row{"P2.dat", "", err::kFileNotFound},
                         Row{"P2.dat", good.substr(0, 11 * 40), err::kInputPastEndOfFile},
                         Row{"P2.dat", good.substr(0, 12 * 40 - 1), err::kInputPastEndOfFile}}) {
    if (row.bytes.empty()) {
      std::filesystem::remove(dir.path() / row.file);
    } else {
      dir.Write(row.file, row.bytes);
    }
    EXPECT_EQ(test::FailureNumberOf([&] { Generate(state, files, random); }), row.failure);
    EXPECT_FALSE(AnyPhraseFileOpen());
    // One failed generation must not leave number 1 bound for the counts file.
    dir.WriteCounts(test::UniformCounts(12));
    SelectDepartment(state, files, static_cast<std::int16_t>(DepartmentRow('P')));
    dir.Write(row.file, good);
    EXPECT_EQ(Lines(Generate(state, files, random)).size(), 12u);
  }
}

}  // namespace
}  // namespace zr
