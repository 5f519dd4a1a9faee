#include "print/print_command.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <chrono>

namespace zr {

void PrintWithDateLine(const QString& text, Printer& printer, const Clock& clock) {
  // The face, emphasis and size are set for every document: another caller may have left the
  // printer in any state.
  printer.SetFontName(QString::fromLatin1(kPrintFontName));
  printer.SetFontBold(false);
  printer.SetFontSize(kPrintFontSize);
  printer.PrintLine({text});
  printer.SetFontBold(true);
  printer.PrintLine({QStringLiteral("Printed on "), DateLineDate(clock)});
  printer.EndDoc();
}

QString DateLineDate(const Clock& clock) {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(clock.Now().time_since_epoch()).count();
  // fromMSecsSinceEpoch gives local time, so the date is the one on the user's calendar.
  const QDate date = QDateTime::fromMSecsSinceEpoch(ms).date();
  return QLocale::system().toString(date, QLocale::ShortFormat);
}

}  // namespace zr
