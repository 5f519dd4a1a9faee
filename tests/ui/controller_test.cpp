#include "ui/controller.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "runtime/failure.h"
#include "ui/error_display.h"
#include "ui/spin_button.h"
#include "window_fixture.h"

namespace zr {
namespace {

using test::WindowTest;

constexpr const char* kUnknown = "Unknown VB error.";

QStringList Lines(const QString& text) {
  QStringList lines = text.split('\n');
  EXPECT_EQ(lines.takeLast(), "") << "text does not end with a line break";
  return lines;
}

class Handlers : public WindowTest {
 protected:
  void ClickDepartment(std::size_t index) {
    QTest::mouseClick(form->Option1[index], Qt::LeftButton);
  }
  void ClickGenerate() { QTest::mouseClick(form->Command2, Qt::LeftButton); }
  void ClickPrint() { QTest::mouseClick(form->Command1, Qt::LeftButton); }
  void SizeUp() { QTest::mouseClick(form->SpinButton1->upArrow(), Qt::LeftButton); }
  void SizeDown() { QTest::mouseClick(form->SpinButton1->downArrow(), Qt::LeftButton); }
  bool ShowsError() const { return TextColour() == QColor(255, 0, 0) && TextSize() == 11.0f; }
};

TEST_F(Handlers, GenerateFillsTwelveLinesOfTheCurrentDepartmentAndFocusesTheText) {
  form->Command2->setFocus();
  ClickGenerate();
  const QStringList lines = Lines(Text());
  ASSERT_EQ(lines.size(), 12);
  for (const QString& line : lines) EXPECT_TRUE(line.startsWith("E1-")) << line.toStdString();
  EXPECT_EQ(QApplication::focusWidget(), form->Text1);
  EXPECT_FLOAT_EQ(TextSize(), 9.6f);  // the size table now applies
}

TEST_F(Handlers, ASecondGenerateReplacesTheFirstText) {
  ClickGenerate();
  const QString first = Text();
  ClickGenerate();
  EXPECT_EQ(Lines(Text()).size(), 12);
  EXPECT_NE(Text(), first);
}

TEST_F(Handlers, DepartmentClickEmptiesTheTextAndSwitchesTheDepartment) {
  ClickGenerate();
  ClickDepartment(3);
  EXPECT_TRUE(Text().isEmpty());
  EXPECT_EQ(state.DeptLetter, 'P');
  ClickGenerate();
  EXPECT_TRUE(Lines(Text()).first().startsWith("P1-"));
}

TEST_F(Handlers, ClickingTheSelectedDepartmentRereadsTheCountsFile) {
  ClickDepartment(0);
  EXPECT_EQ(state.PhraseCounts, (std::array<std::int16_t, 3>{30, 30, 30}));
  dir.Write("zintok.dat", "12,13,14,30,30,30,30,30,30,30,30,30,30,30,30");
  ClickDepartment(0);
  EXPECT_EQ(state.PhraseCounts, (std::array<std::int16_t, 3>{12, 13, 14}));
}

TEST_F(Handlers, SizeStepsWalkTheSixSizesAndStopAtBothEnds) {
  SizeUp();
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  for (const float expected : {13.8f, 18.0f, 24.0f, 24.0f, 24.0f}) {
    SizeUp();
    EXPECT_FLOAT_EQ(TextSize(), expected);
  }
  EXPECT_EQ(state.FontSizeIndex, 6);
  for (const float expected : {18.0f, 13.8f, 12.0f, 9.6f, 7.8f, 7.8f}) {
    SizeDown();
    EXPECT_FLOAT_EQ(TextSize(), expected);
  }
  EXPECT_EQ(state.FontSizeIndex, 1);
}

TEST_F(Handlers, FirstSizeDownAfterStartUpSetsTheSmallestSize) {
  SizeDown();
  EXPECT_FLOAT_EQ(TextSize(), 7.8f);
  form->Text1->setFont(QFont("Arial", 20));
  SizeDown();  // at the end of the range nothing changes, not even the box's size
  EXPECT_FLOAT_EQ(TextSize(), 20.0f);
}

TEST_F(Handlers, AnErrorStaysRedThroughASizeStepUntilTheNextGenerate) {
  std::filesystem::remove(dir.path() / "zintok.dat");
  ClickDepartment(2);
  ASSERT_TRUE(ShowsError());
  SizeUp();
  EXPECT_EQ(TextColour(), QColor(255, 0, 0));
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  EXPECT_EQ(Text(), kUnknown);
  ClickGenerate();
  EXPECT_EQ(TextColour(), NormalTextColour());
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  EXPECT_EQ(Lines(Text()).size(), 12);
}

struct FailureRow {
  const char* tag;
  std::function<void(test::DataDir&)> breakData;
  bool viaDepartmentClick;  // else via Generate
  const char* message;
};

class HandlerFailures : public Handlers, public testing::WithParamInterface<FailureRow> {};

TEST_P(HandlerFailures, ShowTheirMessageInRedAndTheNextClickWorksAgain) {
  const FailureRow& row = GetParam();
  ClickGenerate();
  const ZINTOK1 before = state;
  row.breakData(dir);
  if (row.viaDepartmentClick) {
    ClickDepartment(4);
  } else {
    ClickGenerate();
  }
  EXPECT_EQ(Text(), row.message);
  EXPECT_TRUE(ShowsError());
  EXPECT_EQ(state.DeptLetter, before.DeptLetter);
  EXPECT_TRUE(form->Option1[0]->isChecked()) << "the selection names the department in force";
  EXPECT_FALSE(files.IsOpen(1) || files.IsOpen(2) || files.IsOpen(3));

  dir.WriteUniformSet(30);
  ClickDepartment(1);
  EXPECT_EQ(state.DeptLetter, 'F');
  ClickGenerate();
  EXPECT_EQ(Lines(Text()).size(), 12);
  EXPECT_EQ(TextColour(), NormalTextColour());
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
                     d.Write("zintok.dat", "30,30,30,30,30,30,30,30,30,30,30,30,30,30,32768");
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
  dir.Write("zintok.dat", "30,30,30,30,30,30,30,30,30,30,30,30,11,30,30");
  ClickDepartment(4);
  EXPECT_EQ(state.DeptLetter, 'T');
  EXPECT_TRUE(Text().isEmpty());
  ClickGenerate();
  EXPECT_EQ(Text(), kUnknown);
  EXPECT_TRUE(ShowsError());
}

TEST_F(Handlers, AFailedGenerateShowsNoPartOfTheNewText) {
  std::filesystem::remove(dir.path() / "E3.dat");
  ClickGenerate();
  EXPECT_EQ(Text(), kUnknown);
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

TEST_F(Handlers, ShowErrorReplacesTheWholeTextWithTheMessageInRedAt11Points) {
  ClickGenerate();
  SizeUp();
  form->ShowError(13);
  EXPECT_EQ(Text(), "Invalid date.");
  EXPECT_TRUE(ShowsError());
}

TEST_F(Handlers, PrintingAnEmptyBoxTouchesNoPrinterButRestoresThePresentation) {
  std::filesystem::remove(dir.path() / "zintok.dat");
  ClickDepartment(1);
  ASSERT_TRUE(ShowsError());
  form->Text1->clear();
  ClickPrint();
  EXPECT_FALSE(printer.touched());
  EXPECT_EQ(TextColour(), NormalTextColour());
  EXPECT_FLOAT_EQ(TextSize(), 9.6f);
}

TEST_F(Handlers, PrintingAnErrorMessagePrintsItAfterRestoringThePresentation) {
  std::filesystem::remove(dir.path() / "zintok.dat");
  ClickDepartment(1);
  ClickPrint();
  EXPECT_EQ(TextColour(), NormalTextColour());
  ASSERT_EQ(printer.documents().size(), 1u);
  ASSERT_FALSE(printer.printed.empty());
  EXPECT_EQ(printer.printed.front(), QStringList{kUnknown});
  EXPECT_EQ(QApplication::focusWidget(), form->Text1);
}

TEST_F(Handlers, PrintingTheGeneratedTextSendsItWithItsLineBreaks) {
  ClickGenerate();
  form->Text1->appendPlainText("edited by hand");
  ClickPrint();
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printer.printed.front().join(""), Text());
  EXPECT_TRUE(printer.printed.front().join("").endsWith("edited by hand"));
}

TEST_F(Handlers, APrinterFailureShowsTheDefaultMessageAndPrintAgainPrintsIt) {
  ClickGenerate();
  printer.failOn = "enddoc";
  ClickPrint();
  EXPECT_EQ(Text(), kUnknown);
  EXPECT_TRUE(ShowsError());
  EXPECT_EQ(state.ErrNumber, err::kPrinterError);
  printer.failOn.clear();
  ClickPrint();
  ASSERT_FALSE(printer.documents().empty());
  EXPECT_EQ(printer.printed.back().front(), "Printed on ");
  EXPECT_EQ(printer.printed[printer.printed.size() - 2], QStringList{kUnknown});
}

TEST_F(Handlers, PrintShowsTheBusyPointerWhileItRunsAndNotAfterEvenAFailure) {
  ClickGenerate();
  std::vector<bool> busy;
  printer.onCall = [&] {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    busy.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
  };
  ClickPrint();
  printer.failOn = "enddoc";
  ClickPrint();
  EXPECT_EQ(Text(), kUnknown);
  EXPECT_EQ(busy, std::vector<bool>(printer.callCount(), true));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Handlers, AFailureNumberBeyond16BitsShowsTheDefaultMessage) {
  ClickGenerate();
  printer.failOn = "font";
  printer.failNumber = 65536 + err::kOverflow;  // truncated, it would read as an overflow
  ClickPrint();
  EXPECT_EQ(Text(), kUnknown);
  EXPECT_EQ(state.ErrNumber, 0);
  EXPECT_TRUE(ShowsError());
}

TEST(StartUp, AMissingCountsFileFailsStartUpWithFileNotFound) {
  test::DataDir dir;
  FileTable files(dir.path());
  SeededRandom random(1);
  test::FixedClock clock({});
  test::RecordingPrinter printer;
  ZINTOK1 state;
  Form1 form(state, {files, random, clock, printer});
  EXPECT_EQ(test::FailureNumberOf([&] { form.Load(); }), err::kFileNotFound);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.Text1->toPlainText().isEmpty());
}

}  // namespace
}  // namespace zr
