// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

#include "runtime/failure.h"

namespace zr {

namespace {

constexpr const char* kJobName = "Zeziru Ridaz";

[[noreturn]] void Fail(const char* description) {
  throw Failure(err::kPrinterError, description);
}

QFont FontOf(const PrintedLine& line) {
  QFont font;
  font.setFamily(line.fontName);
  font.setBold(line.bold);
  font.setPointSizeF(static_cast<double>(line.points));
  return font;
}

void Paint(const Document& document, QPrinter& printer, QPainter& painter) {
  // The painter's origin is the printable area's top left corner.
  const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
  const double width = area.width();
  const double height = area.height();
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));

  double y = 0.0;
  // Moves to the next page when a line of this height no longer fits; a line taller than the
  // page goes at the top of one anyway.
  auto makeRoom = [&](double lineHeight) {
    if (y > 0.0 && y + lineHeight > height) {
      if (!printer.newPage())
        Fail("cannot start a new page");
      y = 0.0;
    }
  };

  for (const PrintedLine& printed : document.lines) {
    const QFont font(FontOf(printed), &printer);
    const double spacing = QFontMetricsF(font, &printer).lineSpacing();
    for (const QString& line : printed.text.split(kLineBreak)) {
      if (line.isEmpty()) {
        makeRoom(spacing);
        y += spacing;
        continue;
      }
      QTextLayout layout(line, font, &printer);
      layout.setTextOption(option);
      // Keeps the glyphs shaped for the line breaks: endLayout would drop them, and drawing
      // would shape the whole line a second time.
      layout.setCacheEnabled(true);
      layout.beginLayout();
      for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
        part.setLineWidth(width);
        part.setPosition(QPointF(0.0, 0.0));
      }
      layout.endLayout();
      for (int i = 0; i < layout.lineCount(); ++i) {
        makeRoom(spacing);
        layout.lineAt(i).draw(&painter, QPointF(0.0, y));
        y += spacing;
      }
    }
  }
}

}  // namespace

void LayOut(const Document& document, QPrinter& printer) {
  for (const PrintedLine& line : document.lines) {
    if (!std::isfinite(line.points) || line.points <= 0.0f)
      Fail("invalid font size");
  }
  printer.setDocName(QString::fromLatin1(kJobName));
  printer.setCreator(QString::fromLatin1(kJobName));

  QPainter painter;
  if (!painter.begin(&printer))
    Fail("cannot start the print job");
  try {
    Paint(document, printer, painter);
  } catch (const Failure&) {
    // Abort, or ending the painter would still send the unfinished job.
    printer.abort();
    throw;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    Fail("the print job failed");
}

}  // namespace zr
