// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

// Reads PDF files back through poppler's command line tools.

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace zr::test {

struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs a program to the end; a tool that cannot start or crashes counts as exit code -1.
inline ToolRun RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  ToolRun run;
  // Bounded so a stuck tool fails the test instead of hanging it.
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
    process.kill();
    process.waitForFinished();
    run.err = program + QStringLiteral(" did not finish: ") + process.errorString();
    return run;
  }
  run.exitCode = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

// The text lines of every page in order, as pdftotext lays them out: trailing spaces and the
// blank lines ending each page dropped, blank lines between text kept.
inline QStringList PdfLines(const QString& pdf) {
  const ToolRun run =
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                            QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  static const QRegularExpression kTrailingSpace(QStringLiteral("\\s+$"));
  QStringList lines;
  for (const QString& page : run.out.split(QLatin1Char('\f'))) {
    QStringList pageLines;
    for (QString line : page.split(QLatin1Char('\n'))) pageLines << line.remove(kTrailingSpace);
    while (!pageLines.isEmpty() && pageLines.last().isEmpty()) pageLines.removeLast();
    lines << pageLines;
  }
  return lines;
}

// The font lines of pdffonts' table, without its two header lines.
inline QStringList PdfFonts(const QString& pdf) {
  const ToolRun run = RunTool(QStringLiteral("pdffonts"), {pdf});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return lines.mid(2);
}

struct PdfWord {
  QString text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points from the page's top left corner
  double pageWidth = 0, pageHeight = 0;
};

// Every word with its box, as pdftotext -bbox finds them.
inline std::vector<PdfWord> PdfWords(const QString& pdf) {
  const ToolRun run =
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  static const QRegularExpression kPage(
      QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
  static const QRegularExpression kWord(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
      "(.*)</word>"));
  std::vector<PdfWord> words;
  double width = 0;
  double height = 0;
  for (const QString& line : run.out.split(QLatin1Char('\n'))) {
    if (const auto page = kPage.match(line); page.hasMatch()) {
      width = page.captured(1).toDouble();
      height = page.captured(2).toDouble();
    } else if (const auto word = kWord.match(line); word.hasMatch()) {
      words.push_back({word.captured(5), word.captured(1).toDouble(), word.captured(2).toDouble(),
                       word.captured(3).toDouble(), word.captured(4).toDouble(), width, height});
    }
  }
  return words;
}

inline int PdfPages(const QString& pdf) {
  const ToolRun run = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  static const QRegularExpression kPages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                         QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = kPages.match(run.out);
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace zr::test
