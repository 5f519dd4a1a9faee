// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "print/printer.h"

class QPainter;
class QPrinter;

namespace zr {

// A Printer over Qt's print support. The calls build up one document in memory; EndDoc lays it
// out on the printer's default paper and margins and sends it as one job. Lines wider than the
// printable width wrap at word boundaries, and a line that does not fit on the page goes to the
// next one.
class QtPrinter final : public Printer {
 public:
  // The system's default printer, looked up (without a dialog) at the first call of every
  // document. Fails with err::kPrinterError when there is none, and when the print server does
  // not take the whole job (see SendToCups).
  static std::unique_ptr<QtPrinter> ForDefaultPrinter();
  // A PDF file that every EndDoc writes anew.
  static std::unique_ptr<QtPrinter> ForPdfFile(const QString& path);

  void SetFontName(const QString& name) override;
  void SetFontBold(bool bold) override;
  void SetFontSize(float points) override;
  void PrintLine(const QStringList& items) override;
  // Sends the document, then starts a new one, also when sending fails. An empty document sends
  // nothing.
  void EndDoc() override;

 private:
  struct Line {
    QString text;
    QFont font;
  };

  QtPrinter(bool toDefaultPrinter, QString pdfPath);

  void BindIfStartingDocument();
  void Render();
  void Paint(QPrinter& printer, QPainter& painter) const;

  bool toDefaultPrinter_;
  QString pdfPath_;
  // The default printer's name for the current document; empty until its first call.
  QString boundPrinter_;
  QFont font_;
  std::vector<Line> lines_;
};

}  // namespace zr
