// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/controller.h"

#include <filesystem>
#include <functional>

#include "runtime/failure.h"
#include "ui/error_display.h"
#include "window_fixture.h"

namespace zr {
namespace {

constexpr const char* kUnknown = test::kDefaultErrorMessage;

QStringList Lines(const QString& text) {
  QStringList lines = text.split('\n');
  EXPECT_EQ(lines.takeLast(), "") << "text does not end with a line break";
  return lines;
}

// What the text box shows after a change: the message of a failure, else the new text.
QString Shown(const TextBoxChange& change) {
  return change.error ? ErrorMessage(*change.error) : change.text.value_or("<unchanged>");
}

// The handlers alone, loaded as at start-up: no window.
class Handlers : public test::HandlerTest {
 protected:
  void SetUp() override {
    HandlerTest::SetUp();
    controller.Load();
  }

  Controller controller{state, services()};
};

TEST_F(Handlers, GenerateGivesTwelveLinesOfTheCurrentDepartmentInTheNormalLookAndFocused) {
  const TextBoxChange change = controller.Generate();
  EXPECT_TRUE(change.normalColour);
  EXPECT_EQ(change.points, 9.6f);  // the size table now applies
  EXPECT_TRUE(change.focus);
  const QStringList lines = Lines(Shown(change));
  ASSERT_EQ(lines.size(), 12);
  for (const QString& line : lines) EXPECT_TRUE(line.startsWith("E1-")) << line.toStdString();
  EXPECT_NE(controller.Generate().text, change.text);
}

TEST_F(Handlers, GeneratedTextIsReadAsWindows1252) {
  std::vector<std::string> phrases;
  for (int n = 1; n <= 30; ++n) phrases.push_back("\x93\x80\x96" + std::to_string(n));
  dir.WritePhrases("E1.dat", phrases);
  for (const QString& line : Lines(Shown(controller.Generate())))
    EXPECT_TRUE(line.startsWith(QString::fromUtf8("\u201C\u20AC\u2013"))) << line.toStdString();
}

TEST_F(Handlers, DepartmentClickEmptiesTheTextAndSwitchesTheDepartment) {
  const TextBoxChange change = controller.DepartmentClick(3);
  EXPECT_EQ(change.text, QString());
  EXPECT_TRUE(change.normalColour);
  EXPECT_EQ(change.points, 9.6f);
  EXPECT_FALSE(change.focus);
  EXPECT_EQ(change.department, 3u);
  EXPECT_EQ(state.DeptLetter, 'P');
  EXPECT_TRUE(Lines(Shown(controller.Generate())).constFirst().startsWith("P1-"));
}

TEST_F(Handlers, SizeStepsWalkTheSixSizesChangeOnlyTheSizeAndNothingAtEitherEnd) {
  EXPECT_EQ(controller.SizeRange(), (std::pair{7.8f, 24.0f}));
  EXPECT_EQ(controller.SizeDown().points, 7.8f);  // the first step down from start-up
  EXPECT_FALSE(controller.SizeDown().points);
  for (const float expected : {9.6f, 12.0f, 13.8f, 18.0f, 24.0f}) {
    const TextBoxChange step = controller.SizeUp();
    EXPECT_EQ(step.points, expected);
    EXPECT_FALSE(step.error || step.normalColour || step.text || step.focus || step.department);
  }
  EXPECT_FALSE(controller.SizeUp().points);
  EXPECT_EQ(state.FontSizeIndex, 6);
  EXPECT_EQ(controller.SizeDown().points, 18.0f);
}

struct FailureRow {
  const char* tag;
  std::function<void(test::DataDir&)> breakData;
  bool viaDepartmentClick;  // else via Generate
  const char* message;
};

class HandlerFailures : public Handlers, public testing::WithParamInterface<FailureRow> {};

TEST_P(HandlerFailures, ShowTheirMessageAndTheNextClickWorksAgainInTheNormalLook) {
  const FailureRow& row = GetParam();
  row.breakData(dir);
  const TextBoxChange change =
      row.viaDepartmentClick ? controller.DepartmentClick(4) : controller.Generate();
  EXPECT_EQ(Shown(change), row.message);
  EXPECT_FALSE(change.text) << "no part of a new text";
  EXPECT_EQ(state.DeptLetter, 'E');
  if (row.viaDepartmentClick) {
    EXPECT_EQ(change.department, 0u) << "the selection names the department in force";
  }
  EXPECT_FALSE(AnyPhraseFileOpen() || files.IsOpen(kCountsFileNumber));

  dir.WriteUniformSet(30);
  const TextBoxChange next = controller.DepartmentClick(1);
  EXPECT_EQ(state.DeptLetter, 'F');
  EXPECT_TRUE(next.normalColour);
  EXPECT_EQ(next.points, 9.6f);
  EXPECT_EQ(Lines(Shown(controller.Generate())).size(), 12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HandlerFailures,
    testing::Values(
        FailureRow{"MissingCountsFile",
                   [](test::DataDir& d) { std::filesystem::remove(d.path() / "zintok.dat"); }, true,
                   kUnknown},
        FailureRow{"TooFewNumbers", [](test::DataDir& d) { d.Write("zintok.dat", "30,30,30,30"); },
                   true, kUnknown},
        FailureRow{"Overflow",
                   [](test::DataDir& d) {
                     std::vector<std::string> counts = test::UniformCounts(30);
                     counts.back() = "32768";
                     d.WriteCounts(counts);
                   },
                   true, "VB overflow error."},
        FailureRow{"MissingPhraseFile",
                   [](test::DataDir& d) { std::filesystem::remove(d.path() / "E2.dat"); }, false,
                   kUnknown},
        FailureRow{"ShortPhraseFile",
                   [](test::DataDir& d) { d.Write("E3.dat", std::string(5 * 40, 'x')); }, false,
                   kUnknown}),
    test::RowTag{});

TEST_F(Handlers, ACountBelowTwelveFailsTheGenerateNotTheDepartmentClick) {
  std::vector<std::string> counts = test::UniformCounts(30);
  counts[counts.size() - 3] = "11";  // Technical's first column: its group comes last
  dir.WriteCounts(counts);
  EXPECT_EQ(Shown(controller.DepartmentClick(4)), "");
  EXPECT_EQ(state.DeptLetter, 'T');
  EXPECT_EQ(Shown(controller.Generate()), kUnknown);
}

TEST_F(Handlers, AMissingCountsFileFailsStartUpWithFileNotFound) {
  std::filesystem::remove(dir.path() / "zintok.dat");
  EXPECT_EQ(test::FailureNumberOf([&] { controller.Load(); }), err::kFileNotFound);
}

TEST(ErrorMessages, FiveNumbersHaveTheirOwnAndEveryOtherTheDefault) {
  const std::vector<std::pair<std::int16_t, QString>> rows = {{5, "VB illegal function call."},
                                                              {6, "VB overflow error."},
                                                              {11, "VB division by zero error."},
                                                              {13, "Invalid date."},
                                                              {14, "Out of string space."}};
  for (const auto& [number, message] : rows) EXPECT_EQ(ErrorMessage(number), message);
  for (const std::int16_t other :
       std::vector<std::int16_t>{0, -1, 7, 8, 9, 10, 12, 15, 53, 482, 32767, -32768}) {
    EXPECT_EQ(ErrorMessage(other), kUnknown) << other;
  }
}

TEST_F(Handlers, PrintingAnEmptyBoxTouchesNeitherPrinterNorFocusButRestoresTheLook) {
  const TextBoxChange change = controller.Print(QString());
  EXPECT_EQ(printer.calls, 0);
  EXPECT_TRUE(change.normalColour);
  EXPECT_EQ(change.points, 9.6f);
  EXPECT_FALSE(change.focus);
}

TEST_F(Handlers, PrintSendsTheTextUnchangedInTheNormalLookAndFocusesIt) {
  const QString text = Shown(controller.Generate()) + kUnknown;
  const TextBoxChange change = controller.Print(text);
  EXPECT_TRUE(change.normalColour);
  EXPECT_TRUE(change.focus);
  EXPECT_FALSE(change.text);
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents.front().lines.front().text, text);
}

TEST_F(Handlers, APrinterFailureShowsTheDefaultMessageAndPrintAgainPrintsIt) {
  printer.failNumber = err::kPrinterError;
  EXPECT_EQ(Shown(controller.Print(kUnknown)), kUnknown);
  EXPECT_EQ(state.ErrNumber, err::kPrinterError);
  printer.failNumber = 0;
  controller.Print(kUnknown);
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents.front().lines.front().text, kUnknown);
}

TEST_F(Handlers, PrintShowsTheBusyPointerWhileItRunsAndNotAfterEvenAFailure) {
  const QString text = Shown(controller.Generate());
  std::vector<bool> busy;
  printer.onCall = [&] {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    busy.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
  };
  controller.Print(text);
  printer.failNumber = err::kPrinterError;
  EXPECT_EQ(Shown(controller.Print(text)), kUnknown);
  EXPECT_EQ(busy, std::vector<bool>(2, true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Handlers, AFailureNumberBeyond16BitsShowsTheDefaultMessage) {
  printer.failNumber = 65536 + err::kOverflow;  // truncated, it would read as an overflow
  EXPECT_EQ(Shown(controller.Print(kUnknown)), kUnknown);
  EXPECT_EQ(state.ErrNumber, 0);
}

}  // namespace
}  // namespace zr
