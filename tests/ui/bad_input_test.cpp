// Bad data files driven through the real handlers of an offscreen window: what the user sees, and
// that neither the department nor the data directory changes.
#include <sys/stat.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <functional>

#include "core/phrase_store.h"
#include "window_fixture.h"

namespace zr {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUnknown = "Unknown VB error.";
constexpr const char* kOverflow = "VB overflow error.";
constexpr const char* kTwelveLines = "<twelve lines>";

// The user's clicks: Technical, Generate (for the department in force, Financial), or both.
enum class Click { Department, Generate, DepartmentThenGenerate };

struct BadInput {
  const char* tag;
  std::function<void(const test::DataDir&)> prepare;
  Click click;
  const char* shows;  // the message, or kTwelveLines
  char department;    // the department in force afterwards
};

void Counts(const test::DataDir& dir, const std::string& text) {
  dir.Write("zintok.dat", text);
}

std::string ThirteenThen(const std::string& rest) {
  return "30,30,30,30,30,30,30,30,30,30,30,30,30," + rest;  // Technical's group comes last
}

class BadInputs : public test::WindowTest, public testing::WithParamInterface<BadInput> {};

TEST_P(BadInputs, ShowWhatTheUserExpectsAndChangeNothing) {
  const BadInput& row = GetParam();
  QTest::mouseClick(form->Option1[1], Qt::LeftButton);  // Financial
  ASSERT_EQ(state.DeptLetter, 'F');
  row.prepare(dir);
  const auto before = test::Snapshot(dir.path());
  const ZINTOK1 stateBefore = state;

  if (row.click != Click::Generate)
    QTest::mouseClick(form->Option1[4], Qt::LeftButton);
  if (row.click != Click::Department)
    QTest::mouseClick(form->Command2, Qt::LeftButton);

  const QString text = form->Text1->toPlainText();
  if (std::string(row.shows) == kTwelveLines) {
    EXPECT_EQ(text.count('\n'), 12) << text.toStdString();
    EXPECT_EQ(TextColour(), NormalTextColour());
  } else {
    EXPECT_EQ(text, row.shows);
    EXPECT_EQ(TextColour(), QColor(255, 0, 0));
  }
  EXPECT_EQ(state.DeptLetter, row.department);
  EXPECT_TRUE(form->Option1[DepartmentRow(row.department)]->isChecked());
  if (row.department == stateBefore.DeptLetter) {
    EXPECT_EQ(state.PhraseCounts, stateBefore.PhraseCounts);
  }
  EXPECT_FALSE(files.IsOpen(1) || files.IsOpen(2) || files.IsOpen(3));
  EXPECT_EQ(test::Snapshot(dir.path()), before);
}

// A counts file whose reading fails leaves Financial in force.
BadInput CountsRow(const char* tag, std::string counts, const char* shows) {
  return {tag, [counts](const test::DataDir& d) { Counts(d, counts); }, Click::Department, shows,
          'F'};
}

// A counts file that reads, so Technical comes into force; then Generate.
BadInput ReadableCountsRow(const char* tag, std::string counts, const char* shows) {
  return {tag, [counts](const test::DataDir& d) { Counts(d, counts); },
          Click::DepartmentThenGenerate, shows, 'T'};
}

// One of Financial's phrase files replaced, then Generate.
BadInput PhraseRow(const char* tag, std::function<void(const test::DataDir&)> prepare) {
  return {tag, std::move(prepare), Click::Generate, kUnknown, 'F'};
}

BadInput ReplacedCountsFile(const char* tag, std::function<void(const fs::path&)> replace) {
  return {tag,
          [replace](const test::DataDir& d) {
            fs::remove(d.path() / "zintok.dat");
            replace(d.path() / "zintok.dat");
          },
          Click::Department, kUnknown, 'F'};
}

INSTANTIATE_TEST_SUITE_P(
    CountsFile, BadInputs,
    testing::Values(
        CountsRow("Empty", "", kUnknown),
        CountsRow("FourteenNumbers", "30,30,30,30,30,30,30,30,30,30,30,30,30,30", kUnknown),
        ReadableCountsRow("Zero", ThirteenThen("0,30"), kUnknown),
        ReadableCountsRow("MinusOne", ThirteenThen("-1,30"), kUnknown),
        ReadableCountsRow("Eleven", ThirteenThen("11,30"), kUnknown),
        ReadableCountsRow("LargestCountButShortFile", ThirteenThen("32767,30"), kUnknown),
        CountsRow("Above16Bits", ThirteenThen("32768,30"), kOverflow),
        CountsRow("FortyThousand", ThirteenThen("40000,30"), kOverflow),
        CountsRow("Text", ThirteenThen("many,30"), kUnknown),
        CountsRow("Fraction", ThirteenThen("12.5,30"), kUnknown),
        CountsRow("EmptyField", ThirteenThen(",30"), kUnknown),
        CountsRow("MillionDigits", "30,30,30," + std::string(1'000'000, '7'), kOverflow),
        CountsRow("BinaryGarbage", std::string("\x00\xFF\xFE\x01\x02", 5), kUnknown),
        ReadableCountsRow("Utf8ByteOrderMark", "\xEF\xBB\xBF" + ThirteenThen("30,30"),
                          kTwelveLines),
        ReadableCountsRow("CrOnlyLineEnds", "30,30,30\r30,30,30\r30,30,30\r30,30,30\r30,30,30\r",
                          kTwelveLines),
        ReadableCountsRow("LfLineEnds", "30,30,30\n30,30,30\n30,30,30\n30,30,30\n30,30,30\n",
                          kTwelveLines),
        ReadableCountsRow("CrLfLineEnds",
                          "30,30,30\r\n30,30,30\r\n30,30,30\r\n30,30,30\r\n30,30,30\r\n",
                          kTwelveLines),
        ReplacedCountsFile("Directory", [](const fs::path& p) { fs::create_directory(p); }),
        ReplacedCountsFile("DanglingLink",
                           [](const fs::path& p) {
                             fs::create_symlink(p.parent_path() / "gone", p);
                           }),
        ReplacedCountsFile("Fifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); })),
    test::RowTag{});

INSTANTIATE_TEST_SUITE_P(
    PhraseFile, BadInputs,
    testing::Values(PhraseRow("ShorterThanItsCount",
                              [](const test::DataDir& d) {
                                d.WritePhrases("F2.dat", test::NumberedPhrases('F', 2, 20));
                              }),
                    PhraseRow("PartialLastRecord",
                              [](const test::DataDir& d) {
                                d.Write("F3.dat", d.Read("F3.dat").substr(0, 30 * 40 - 7));
                              }),
                    PhraseRow("Empty", [](const test::DataDir& d) { d.Write("F1.dat", ""); }),
                    PhraseRow("Directory",
                              [](const test::DataDir& d) {
                                fs::remove(d.path() / "F2.dat");
                                fs::create_directory(d.path() / "F2.dat");
                              }),
                    PhraseRow("DanglingLink",
                              [](const test::DataDir& d) {
                                fs::remove(d.path() / "F3.dat");
                                fs::create_symlink(d.path() / "gone.dat", d.path() / "F3.dat");
                              }),
                    PhraseRow("Fifo",
                              [](const test::DataDir& d) {
                                fs::remove(d.path() / "F1.dat");
                                ::mkfifo((d.path() / "F1.dat").c_str(), 0600);
                              }),
                    PhraseRow("Missing",
                              [](const test::DataDir& d) { fs::remove(d.path() / "F2.dat"); })),
    test::RowTag{});

}  // namespace
}  // namespace zr
