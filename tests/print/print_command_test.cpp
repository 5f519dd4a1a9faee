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
#include <QTime>
#include <QTimeZone>
#include <chrono>
#include <string>

#include "tests/print/test_printing.h"
#include "tests/support/fakes.h"

namespace zr {
namespace {

using test::FixedClock;
using test::PrintTo;

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

// Every printout is the body as one unchanged line (splitting it is the layout's job) in 12-point
// regular Arial, then the date line in bold.
TEST(PrintoutWithDateLine, IsTheBodyUnchangedThenABoldDateLine) {
  const FixedClock clock(At(kUtcMorning));
  const QString dateLine = QStringLiteral("Printed on ") + DateLineDate(clock);
  for (const QString& body :
       {QStringLiteral("One.\r\nTwo.\r\n"), QStringLiteral("One.   \r\n"), QString(),
        QStringLiteral("a\rb\nc"), QStringLiteral("Caf\u00e9 \u20ac\r\n")}) {
    EXPECT_EQ(PrintoutWithDateLine(body, clock),
              (Document{{{body, "Arial", 12.0f, false}, {dateLine, "Arial", 12.0f, true}}}));
  }
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
  EXPECT_EQ(PrintoutWithDateLine(QStringLiteral("x\r\n"), FixedClock(At(GetParam().when)))
                .lines.back()
                .text,
            QStringLiteral("Printed on ") + GetParam().date);
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

}  // namespace
}  // namespace zr
