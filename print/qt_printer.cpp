// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/qt_printer.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>
#include <utility>

#include "print/cups_job.h"
#include "runtime/failure.h"

namespace zr {

namespace {

constexpr const char* kJobName = "Zeziru Ridaz";

[[noreturn]] void Fail(const char* description) {
  throw Failure(err::kPrinterError, description);
}

// What Qt's own submission would ask of the queue: the paper, the sides and the orientation.
JobOptions OptionsOf(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const bool landscape = layout.orientation() == QPageLayout::Landscape;
  JobOptions options{{"media", layout.pageSize().key().toUtf8()}};
  switch (printer.duplex()) {
    case QPrinter::DuplexNone:
      options.emplace_back("sides", "one-sided");
      break;
    case QPrinter::DuplexAuto:
      options.emplace_back("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge");
      break;
    case QPrinter::DuplexLongSide:
      options.emplace_back("sides", "two-sided-long-edge");
      break;
    case QPrinter::DuplexShortSide:
      options.emplace_back("sides", "two-sided-short-edge");
      break;
  }
  if (landscape)
    options.emplace_back("landscape", "");
  return options;
}

}  // namespace

QtPrinter::QtPrinter(bool toDefaultPrinter, QString pdfPath)
    : toDefaultPrinter_(toDefaultPrinter), pdfPath_(std::move(pdfPath)) {}

std::unique_ptr<QtPrinter> QtPrinter::ForDefaultPrinter() {
  return std::unique_ptr<QtPrinter>(new QtPrinter(true, QString()));
}

std::unique_ptr<QtPrinter> QtPrinter::ForPdfFile(const QString& path) {
  return std::unique_ptr<QtPrinter>(new QtPrinter(false, path));
}

void QtPrinter::BindIfStartingDocument() {
  if (!toDefaultPrinter_ || !boundPrinter_.isEmpty())
    return;
  // Looked up per document, so a default printer set up while the program runs is found.
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull() || info.printerName().isEmpty())
    Fail("no default printer");
  boundPrinter_ = info.printerName();
}

void QtPrinter::SetFontName(const QString& name) {
  BindIfStartingDocument();
  font_.setFamily(name);
}

void QtPrinter::SetFontBold(bool bold) {
  BindIfStartingDocument();
  font_.setBold(bold);
}

void QtPrinter::SetFontSize(float points) {
  BindIfStartingDocument();
  if (!std::isfinite(points) || points <= 0.0f)
    Fail("invalid font size");
  font_.setPointSizeF(static_cast<double>(points));
}

void QtPrinter::PrintLine(const QStringList& items) {
  BindIfStartingDocument();
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
  const QStringList lines = items.join(QString()).split(kLineBreak);
  for (const QString& line : lines) lines_.push_back({line, font_});
}

void QtPrinter::EndDoc() {
  // Whatever happens, the next call begins a new document (and looks the printer up again).
  struct Reset {
    QtPrinter& self;
    ~Reset() {
      self.lines_.clear();
      self.boundPrinter_.clear();
    }
  } reset{*this};
  BindIfStartingDocument();
  if (!lines_.empty())
    Render();
}

void QtPrinter::Render() {
  QPrinter printer(QPrinter::HighResolution);
  // Qt's own submission to a queue drops the print server's answer: Qt renders the job into this
  // file instead, and SendToCups sends it and checks every answer.
  QTemporaryFile job(QDir::tempPath() + QStringLiteral("/zeziru-ridaz-XXXXXX"));
  if (toDefaultPrinter_) {
    printer.setPrinterName(boundPrinter_);
    if (!job.open())
      Fail("cannot make the file for the print job");
    // A name without ".pdf" keeps the queue's own print engine, its paper and its margins.
    printer.setOutputFileName(job.fileName());
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath_);
  }
  printer.setDocName(QString::fromLatin1(kJobName));
  printer.setCreator(QString::fromLatin1(kJobName));

  QPainter painter;
  if (!painter.begin(&printer))
    Fail("cannot start the print job");

  try {
    Paint(printer, painter);
  } catch (const Failure&) {
    // Abort, or ending the painter would still send the unfinished job.
    printer.abort();
    throw;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    Fail("the print job failed");
  if (toDefaultPrinter_) {
    // Jobs go to the queue itself; an instance ("queue/instance") only names saved options.
    SendToCups(boundPrinter_.section(QLatin1Char('/'), 0, 0), printer.docName(), OptionsOf(printer),
               job);
  }
}

void QtPrinter::Paint(QPrinter& printer, QPainter& painter) const {
  // The painter's origin is the printable area's top left corner.
  const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
  const double width = area.width();
  const double height = area.height();
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

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

  for (const Line& line : lines_) {
    const QFont font(line.font, &printer);
    const double spacing = QFontMetricsF(font, &printer).lineSpacing();
    if (line.text.isEmpty()) {
      makeRoom(spacing);
      y += spacing;
      continue;
    }
    QTextLayout layout(line.text, font, &printer);
    layout.setTextOption(option);
    // Keeps the glyphs shaped for the line breaks: endLayout would drop them, and drawing would
    // shape the whole line a second time.
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

}  // namespace zr
