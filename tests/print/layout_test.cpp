// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTime>
#include <QTimeZone>
#include <algorithm>
#include <chrono>
#include <limits>
#include <string>

#include "print/pdf_file.h"
#include "print/print_command.h"
#include "runtime/failure.h"
#include "tests/print/pdf_tools.h"
#include "tests/print/test_printing.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

using test::FailureNumberOf;
using test::FixedClock;
using test::PdfFonts;
using test::PdfLines;
using test::PdfPages;
using test::PrintTo;

const FixedClock& kClock = test::kPrintClock;

QString DateLine() {
  return QStringLiteral("Printed on ") + DateLineDate(kClock);
}

PrintedLine Arial(const QString& text, float points = 12.0f, bool bold = false) {
  return {text, QStringLiteral("Arial"), points, bold};
}

QStringList NonEmpty(QStringList lines) {
  lines.removeAll(QString());
  return lines;
}

class PdfPrinter : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Pdf() const { return dir_.filePath(QStringLiteral("out.pdf")); }

  QTemporaryDir dir_;
};

struct LayoutRow {
  std::string tag;
  QString body;
  QStringList lines;  // what the page shows, date line included
};

class PrintedLayout : public PdfPrinter, public testing::WithParamInterface<LayoutRow> {};

// Every break starts a line, the final break of the body leaves one empty line, and the date
// line comes last.
TEST_P(PrintedLayout, ShowsTheBodyLinesThenTheDateLine) {
  PdfFile(Pdf()).Print(PrintoutWithDateLine(GetParam().body, kClock));
  EXPECT_EQ(PdfLines(Pdf()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, PrintedLayout,
    testing::Values(LayoutRow{"CrLf",
                              QStringLiteral("Seize the synergy.\r\nMonetize the paradigm.\r\n"),
                              {QStringLiteral("Seize the synergy."),
                               QStringLiteral("Monetize the paradigm."), QString(), DateLine()}},
                    LayoutRow{"NoFinalBreak",
                              QStringLiteral("Seize the synergy."),
                              {QStringLiteral("Seize the synergy."), DateLine()}},
                    LayoutRow{"BlankLinesInside",
                              QStringLiteral("Top\r\n\r\n\r\nBottom\r\n"),
                              {QStringLiteral("Top"), QString(), QString(),
                               QStringLiteral("Bottom"), QString(), DateLine()}},
                    LayoutRow{"LoneLfAndCrBreakTooButCrLfOnce",
                              QStringLiteral("A\r\nB\n\rC\r\n"),
                              {QStringLiteral("A"), QStringLiteral("B"), QString(),
                               QStringLiteral("C"), QString(), DateLine()}}),
    test::RowTag{});

struct FontRow {
  std::string tag;
  bool regularLine;
  bool boldLine;
};

class Emphasis : public PdfPrinter, public testing::WithParamInterface<FontRow> {};

// Each line's emphasis decides its face.
TEST_P(Emphasis, PrintsInTheBoldFaceExactlyWhenSet) {
  Document document;
  if (GetParam().regularLine)
    document.lines.push_back(Arial(QStringLiteral("regular")));
  if (GetParam().boldLine)
    document.lines.push_back(Arial(QStringLiteral("bold"), 12.0f, true));
  PdfFile(Pdf()).Print(document);

  const QStringList fonts = PdfFonts(Pdf());
  ASSERT_FALSE(fonts.isEmpty());
  const qsizetype bold = fonts.filter(QStringLiteral("Bold")).size();
  const bool anyBold = bold > 0;
  const bool anyRegular = fonts.size() > bold;
  EXPECT_EQ(anyBold, GetParam().boldLine) << fonts.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(anyRegular, GetParam().regularLine) << fonts.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lines, Emphasis,
                         testing::Values(FontRow{"RegularOnly", true, false},
                                         FontRow{"BoldOnly", false, true},
                                         FontRow{"Both", true, true}),
                         test::RowTag{});

TEST_F(PdfPrinter, BodyAndDateLineUseRegularAndBoldFaces) {
  PdfFile(Pdf()).Print(PrintoutWithDateLine(QStringLiteral("Body\r\n"), kClock));
  const QStringList fonts = PdfFonts(Pdf());
  EXPECT_EQ(fonts.size(), 2) << fonts.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(fonts.filter(QStringLiteral("Bold")).size(), 1);
}

struct WrapRow {
  std::string tag;
  QString line;
  float size;
};

QString Words(int atLeastChars) {
  QString text;
  for (int i = 1; text.size() < atLeastChars; ++i) {
    text += QStringLiteral("word%1 ").arg(i, 3, 10, QLatin1Char('0'));
  }
  return text.trimmed();
}

class LongLine : public PdfPrinter, public testing::WithParamInterface<WrapRow> {};

// A line wider than the page wraps onto several lines and no character goes missing.
TEST_P(LongLine, WrapsWithinThePageKeepingEveryCharacter) {
  PdfFile(Pdf()).Print({{Arial(GetParam().line, GetParam().size)}});

  const QStringList lines = PdfLines(Pdf());
  EXPECT_GT(lines.size(), 1);
  // The margins are alike on both sides, so the text must end where the right one begins.
  const std::vector<test::PdfWord> boxes = test::PdfWords(Pdf());
  ASSERT_FALSE(boxes.empty());
  double left = boxes.front().xMin;
  for (const auto& box : boxes) left = std::min(left, box.xMin);
  EXPECT_GT(left, 0.0);
  for (const auto& box : boxes) {
    EXPECT_LE(box.xMax, box.pageWidth - left + 0.5) << box.text.toStdString();
  }
  static const QRegularExpression kSpace(QStringLiteral("\\s+"));
  const QStringList printedWords = lines.join(QLatin1Char(' ')).split(kSpace, Qt::SkipEmptyParts);
  const QStringList words = GetParam().line.split(kSpace, Qt::SkipEmptyParts);
  if (words.size() == 1) {
    // A single word too wide for the page breaks anywhere, so only its characters can compare.
    EXPECT_EQ(printedWords.join(QString()), words.first());
  } else {
    EXPECT_EQ(printedWords, words);
  }
}

QString LongWord() {
  QString word;
  while (word.size() < 400) word += QStringLiteral("abcdefghijklmnopqrstuvwxyz");
  return word;
}

INSTANTIATE_TEST_SUITE_P(Lines, LongLine,
                         testing::Values(WrapRow{"WordsAt12Points", Words(300), 12.0f},
                                         WrapRow{"WordsAt30Points", Words(300), 30.0f},
                                         WrapRow{"OneLongWord", LongWord(), 12.0f}),
                         test::RowTag{});

TEST_F(PdfPrinter, LongTextContinuesOnNewPagesInOrder) {
  QString body;
  QStringList expected;
  for (int i = 1; i <= 200; ++i) {
    const QString line =
        QStringLiteral("Line %1 of the quarterly deliverables").arg(i, 3, 10, QLatin1Char('0'));
    body += line + QStringLiteral("\r\n");
    expected << line;
  }
  expected << DateLine();
  PdfFile(Pdf()).Print(PrintoutWithDateLine(body, kClock));

  EXPECT_GE(PdfPages(Pdf()), 3);
  EXPECT_EQ(NonEmpty(PdfLines(Pdf())), expected);
  // No line of a full page reaches below the printable area.
  QPrinter layout(QPrinter::HighResolution);
  layout.setOutputFormat(QPrinter::PdfFormat);
  const double bottom = layout.pageLayout().paintRect(QPageLayout::Point).bottom();
  for (const auto& word : test::PdfWords(Pdf()))
    EXPECT_LE(word.yMax, bottom) << word.text.toStdString();
}

TEST_F(PdfPrinter, EachDocumentWritesTheFileAnew) {
  PdfFile printer(Pdf());
  printer.Print({{Arial(QStringLiteral("first document"))}});
  printer.Print({{Arial(QStringLiteral("second document"))}});
  EXPECT_EQ(PdfLines(Pdf()), QStringList{QStringLiteral("second document")});
}

TEST_F(PdfPrinter, AJobThatCannotStartFailsAndTheNextDocumentPrintsAlone) {
  const QString pdf = dir_.filePath(QStringLiteral("later/out.pdf"));
  PdfFile printer(pdf);
  // The folder does not exist yet, so the job cannot start.
  EXPECT_EQ(FailureNumberOf([&] { printer.Print({{Arial(QStringLiteral("lost line"))}}); }),
            err::kPrinterError);
  EXPECT_FALSE(QFileInfo::exists(pdf));

  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("later")));
  printer.Print({{Arial(QStringLiteral("fresh line"))}});
  EXPECT_EQ(PdfLines(pdf), QStringList{QStringLiteral("fresh line")});
}

TEST_F(PdfPrinter, EmptyDocumentSendsNothing) {
  PdfFile(Pdf()).Print(Document{});
  EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

TEST_F(PdfPrinter, RejectsFontSizesThatAreNotPositive) {
  for (const float bad : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(FailureNumberOf([&] { PdfFile(Pdf()).Print({{Arial(QStringLiteral("x"), bad)}}); }),
              err::kPrinterError)
        << bad;
  }
}

}  // namespace
}  // namespace zr
