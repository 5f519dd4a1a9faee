// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "tests/support/recording_printer.h"

namespace zr::test {

namespace {

const QString kFailedMark = QStringLiteral(" (failed)");
const QString kEndDoc = QStringLiteral("enddoc");

QString Escaped(QString item) {
  return item.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
      .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

}  // namespace

void RecordingPrinter::Record(const QString& event) {
  if (onCall)
    onCall();
  const bool fail = (!failOn.isEmpty() && event.startsWith(failOn)) ||
                    (failAtCall >= 0 && calls.size() == static_cast<std::size_t>(failAtCall));
  calls.push_back(fail ? event + kFailedMark : event);
  if (fail)
    throw Failure(failNumber, "printer error");
}

void RecordingPrinter::SetFontName(const QString& name) {
  Record(QStringLiteral("font ") + name);
}

void RecordingPrinter::SetFontBold(bool bold) {
  Record(bold ? QStringLiteral("bold 1") : QStringLiteral("bold 0"));
}

void RecordingPrinter::SetFontSize(float points) {
  Record(QStringLiteral("size ") + QString::number(static_cast<double>(points)));
}

void RecordingPrinter::PrintLine(const QStringList& items) {
  QStringList shown;
  for (const QString& item : items) shown << QLatin1Char('[') + Escaped(item) + QLatin1Char(']');
  // Recorded before the event so a failing call still shows what it was asked to print.
  printed.push_back(items);
  Record(QStringLiteral("print ") + shown.join(QLatin1Char('|')));
}

void RecordingPrinter::EndDoc() {
  Record(kEndDoc);
}

std::vector<std::vector<QString>> RecordingPrinter::documents() const {
  std::vector<std::vector<QString>> done;
  std::vector<QString> current;
  for (const QString& event : calls) {
    if (event == kEndDoc) {
      done.push_back(std::move(current));
      current.clear();
    } else if (event == kEndDoc + kFailedMark) {
      current.clear();
    } else {
      current.push_back(event);
    }
  }
  return done;
}

}  // namespace zr::test
