// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/print_command.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <time.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QTime>
#include <QTimeZone>
#include <chrono>
#include <string>
#include <vector>

#include "runtime/failure.h"
#include "tests/print/test_printing.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_printer.h"

namespace zr {
namespace {

using test::FailureNumberOf;
using test::FixedClock;
using test::PrintTo;
using test::RecordingPrinter;

std::chrono::system_clock::time_point At(const QDateTime& when) {
  return std::chrono::system_clock::time_point(std::chrono::milliseconds(when.toMSecsSinceEpoch()));
}

// Still 29 February anywhere more than five hours west of UTC.
const QDateTime kUtcMorning(QDate(2024, 3, 1), QTime(5, 0), QTimeZone::utc());

// Sets an environment variable for one test; the time zone is read again on the way in and out.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
    tzset();
  }
  ~ScopedEnv() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
    tzset();
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// The face, size and emphasis (0 or 1) of every printed line, one list per completed document.
// Each starts with all three unknown ("?"), so one that relies on what an earlier one left shows.
std::vector<QStringList> LineFonts(const RecordingPrinter& printer) {
  std::vector<QStringList> documents;
  for (const auto& events : printer.documents()) {
    const QString unknown = QStringLiteral("?");
    QMap<QString, QString> current{{"font", unknown}, {"size", unknown}, {"bold", unknown}};
    QStringList lines;
    for (const QString& event : events) {
      const QString kind = event.section(QLatin1Char(' '), 0, 0);
      if (kind == QStringLiteral("print")) {
        lines << QStringList{current["font"], current["size"], current["bold"]}.join(' ');
      } else {
        current[kind] = event.section(QLatin1Char(' '), 1);
      }
    }
    documents.push_back(lines);
  }
  return documents;
}

// Every print is one document: the body as one unchanged item (splitting lines is the printer's
// job) in 12-point regular Arial, then the date line in bold, whatever the one before left.
TEST(PrintWithDateLine, EveryPrintIsOneDocumentOfTheBodyUnchangedThenABoldDateLine) {
  const QString bodies[] = {QStringLiteral("One.\r\nTwo.\r\n"), QStringLiteral("One.   \r\n"),
                            QString(), QStringLiteral("a\rb\nc"),
                            QStringLiteral("Caf\u00e9 \u20ac\r\n")};
  RecordingPrinter printer;
  const FixedClock clock(At(kUtcMorning));
  std::vector<QStringList> printed, fonts;
  for (const QString& body : bodies) {
    PrintWithDateLine(body, printer, clock);
    printed.insert(printed.end(), {{body}, {QStringLiteral("Printed on "), DateLineDate(clock)}});
    fonts.push_back({QStringLiteral("Arial 12 0"), QStringLiteral("Arial 12 1")});
  }
  EXPECT_EQ(printer.printed, printed);
  EXPECT_EQ(LineFonts(printer), fonts);
}

struct DateRow {
  std::string tag;
  const char* timeZone;
  const char* locale;  // LC_ALL
  QDateTime when;
  QString date;  // what `date +%x` shows for that moment there
};

class DateLine : public testing::TestWithParam<DateRow> {};

TEST_P(DateLine, IsTheLocalDateInTheLocaleShortFormWithoutTime) {
  const ScopedEnv zone("TZ", GetParam().timeZone);
  const ScopedEnv locale("LC_ALL", GetParam().locale);
  const ScopedEnv overridden("LC_TIME", "de_DE.UTF-8");  // LC_ALL wins over it
  const locale_t installed = newlocale(LC_ALL_MASK, GetParam().locale, locale_t{});
  if (installed == locale_t{})
    GTEST_SKIP() << "locale " << GetParam().locale
                 << " is not installed (scripts/deps.sh makes it)";
  freelocale(installed);
  RecordingPrinter printer;
  PrintWithDateLine(QStringLiteral("x\r\n"), printer, FixedClock(At(GetParam().when)));
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_EQ(printer.printed[1], (QStringList{QStringLiteral("Printed on "), GetParam().date}));
}

// POSIX zone names need no zone database: "ZRT-14" is 14 hours east of UTC.
INSTANTIATE_TEST_SUITE_P(
    Clocks, DateLine,
    testing::Values(DateRow{"C_EastOfUtcIsNextDay", "ZRT-14", "C",
                            QDateTime(QDate(2024, 2, 29), QTime(20, 0), QTimeZone::utc()),
                            QStringLiteral("03/01/24")},
                    DateRow{"US_WestOfUtcIsPreviousDay", "ZRT+12", "en_US.UTF-8", kUtcMorning,
                            QStringLiteral("02/29/2024")},
                    DateRow{"German_UtcJustBeforeMidnight", "UTC0", "de_DE.UTF-8",
                            QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), QTimeZone::utc()),
                            QStringLiteral("31.12.1999")},
                    DateRow{"British_EastJustAfterMidnight", "ZRT-1", "en_GB.UTF-8",
                            QDateTime(QDate(1999, 12, 31), QTime(23, 0, 1), QTimeZone::utc()),
                            QStringLiteral("01/01/00")}),
    test::RowTag{});

// A printer failure at any of the command's calls stops it at once, reaches the caller as itself,
// and completes no document.
TEST(PrintWithDateLine, AFailureAtAnyCallPropagatesAndStopsThere) {
  for (std::size_t call = 0;; ++call) {
    SCOPED_TRACE(call);
    RecordingPrinter printer;
    printer.failAtCall = static_cast<int>(call);
    const int number = FailureNumberOf(
        [&] { PrintWithDateLine(QStringLiteral("x\r\n"), printer, FixedClock(At(kUtcMorning))); });
    if (printer.callCount() <= call) {  // past the command's last call
      EXPECT_EQ(number, 0);
      break;
    }
    EXPECT_EQ(number, err::kPrinterError);
    EXPECT_EQ(printer.callCount(), call + 1);
    EXPECT_TRUE(printer.documents().empty());
  }
}

}  // namespace
}  // namespace zr
