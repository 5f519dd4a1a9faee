// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/print_command.h"

#include <langinfo.h>
#include <locale.h>

#include <QByteArray>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "runtime/text.h"

namespace zr {

namespace {

// The locale that governs dates, named the way setlocale(LC_TIME, "") picks it.
const char* TimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
      return value;
  }
  return "C";
}

// A locale object of its own, so the result does not depend on whether anything (QApplication
// does) has called setlocale, and other threads are not affected.
class TimeLocale {
 public:
  TimeLocale() : locale_(newlocale(LC_ALL_MASK, TimeLocaleName(), locale_t{})) {
    // Like setlocale, a locale that is not installed leaves the C one.
    if (locale_ == locale_t{})
      locale_ = newlocale(LC_ALL_MASK, "C", locale_t{});
  }
  ~TimeLocale() {
    if (locale_ != locale_t{})
      freelocale(locale_);
  }
  TimeLocale(const TimeLocale&) = delete;
  TimeLocale& operator=(const TimeLocale&) = delete;

  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

// Bytes in the locale's character set to text; a set iconv cannot convert reads as Latin-1.
QString FromCharset(const QByteArray& bytes, const char* charset) {
  const auto utf8 =
      ConvertCharset(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     charset, "UTF-8");
  return utf8 ? QString::fromStdString(*utf8) : QString::fromLatin1(bytes);
}

}  // namespace

Document PrintoutWithDateLine(const QString& text, const Clock& clock) {
  const QString face = QString::fromLatin1(kPrintFontName);
  return {{{text, face, kPrintFontSize, false},
           {QStringLiteral("Printed on ") + DateLineDate(clock), face, kPrintFontSize, true}}};
}

QString DateLineDate(const Clock& clock) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(clock.Now());
  // Reads TZ again, so the date is the one on the user's calendar now.
  tzset();
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr)
    return QString();
  const TimeLocale locale;
  char date[128];
  const std::size_t size = strftime_l(date, sizeof date, "%x", &local, locale.get());
  return FromCharset(QByteArray(date, static_cast<qsizetype>(size)),
                     nl_langinfo_l(CODESET, locale.get()));
}

}  // namespace zr
