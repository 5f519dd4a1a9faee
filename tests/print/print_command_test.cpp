#include "print/print_command.h"

#include <gtest/gtest.h>
#include <time.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QLocale>
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

TEST(PrintWithDateLine, SetsFontThenBodyThenBoldDateLineThenEndsDocument) {
  RecordingPrinter printer;
  const FixedClock clock(At(kUtcMorning));
  PrintWithDateLine(QStringLiteral("Leverage the synergy.\r\n"), printer, clock);
  const std::vector<QString> expected = {
      QStringLiteral("font Arial"),
      QStringLiteral("bold 0"),
      QStringLiteral("size 12"),
      QStringLiteral("print [Leverage the synergy.\\r\\n]"),
      QStringLiteral("bold 1"),
      QStringLiteral("print [Printed on ]|[") + DateLineDate(clock) + QStringLiteral("]"),
      QStringLiteral("enddoc"),
  };
  EXPECT_EQ(printer.calls, expected);
}

TEST(PrintWithDateLine, EveryPrintIsOneDocumentThatSetsTheFontAgain) {
  RecordingPrinter printer;
  const FixedClock clock(At(kUtcMorning));
  PrintWithDateLine(QStringLiteral("first\r\n"), printer, clock);
  PrintWithDateLine(QStringLiteral("second\r\n"), printer, clock);
  const auto documents = printer.documents();
  ASSERT_EQ(documents.size(), 2u);
  const QString bodies[] = {QStringLiteral("print [first\\r\\n]"),
                            QStringLiteral("print [second\\r\\n]")};
  for (std::size_t i = 0; i < documents.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(documents[i].size(), 6u);
    EXPECT_EQ(documents[i][0], QStringLiteral("font Arial"));
    EXPECT_EQ(documents[i][1], QStringLiteral("bold 0"));
    EXPECT_EQ(documents[i][2], QStringLiteral("size 12"));
    EXPECT_EQ(documents[i][3], bodies[i]);
  }
}

struct BodyRow {
  std::string tag;
  QString text;
};

class BodyItem : public testing::TestWithParam<BodyRow> {};

// The body goes to the printer as one unchanged item; splitting lines is the printer's job.
TEST_P(BodyItem, IsPassedUnchanged) {
  RecordingPrinter printer;
  PrintWithDateLine(GetParam().text, printer, FixedClock(At(kUtcMorning)));
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_EQ(printer.printed[0], QStringList{GetParam().text});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BodyItem,
    testing::Values(BodyRow{"EndsInCrLf", QStringLiteral("One.\r\nTwo.\r\n")},
                    BodyRow{"TrailingSpacesAndCrLf", QStringLiteral("One.   \r\n")},
                    BodyRow{"Empty", QString()}, BodyRow{"LoneBreaks", QStringLiteral("a\rb\nc")},
                    BodyRow{"NonAscii", QStringLiteral("Caf\u00e9 \u20ac\r\n")}),
    test::RowTag{});

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
  if (const locale_t installed = newlocale(LC_ALL_MASK, GetParam().locale, locale_t{})) {
    freelocale(installed);
  } else {
    GTEST_SKIP() << "locale " << GetParam().locale
                 << " is not installed (scripts/deps.sh makes it)";
  }
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

class FailingCall : public testing::TestWithParam<int> {};

// A printer failure stops the command at once and reaches the caller as itself.
TEST_P(FailingCall, PropagatesAsPrinterErrorAndStopsThere) {
  RecordingPrinter printer;
  printer.failAtCall = GetParam();
  EXPECT_EQ(FailureNumberOf([&] {
              PrintWithDateLine(QStringLiteral("x\r\n"), printer, FixedClock(At(kUtcMorning)));
            }),
            err::kPrinterError);
  EXPECT_EQ(printer.callCount(), static_cast<std::size_t>(GetParam()) + 1);
  EXPECT_TRUE(printer.documents().empty());
}

INSTANTIATE_TEST_SUITE_P(EachOfTheSevenCalls, FailingCall, testing::Range(0, 7));

TEST(PrintWithDateLine, FailureAtEndDocComesAfterTheWholeDocument) {
  RecordingPrinter printer;
  printer.failOn = QStringLiteral("enddoc");
  EXPECT_EQ(FailureNumberOf([&] {
              PrintWithDateLine(QStringLiteral("x\r\n"), printer, FixedClock(At(kUtcMorning)));
            }),
            err::kPrinterError);
  ASSERT_EQ(printer.calls.size(), 7u);
  EXPECT_EQ(printer.calls[5].left(6), QStringLiteral("print "));
  EXPECT_EQ(printer.calls[6], QStringLiteral("enddoc (failed)"));
}

}  // namespace
}  // namespace zr
