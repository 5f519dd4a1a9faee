// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

// Lets GoogleTest show QStrings and table rows readably in failure messages instead of as raw
// bytes.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <chrono>
#include <concepts>
#include <ostream>
#include <string>

#include "print/printer.h"
#include "tests/support/fakes.h"

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace zr {
inline void PrintTo(const Document& document, std::ostream* out) {
  for (const PrintedLine& line : document.lines)
    *out << "\n  \"" << line.text.toStdString() << "\" " << line.fontName.toStdString() << ' '
         << line.points << (line.bold ? " bold" : "");
}
}  // namespace zr

namespace zr::test {

// Table rows live in the tests' unnamed namespaces; they pull this in with a using-declaration
// so that argument-dependent lookup finds it there.
template <typename Row>
requires requires(const Row& row) {
  { row.tag } -> std::convertible_to<std::string>;
}
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.tag;
}

// Noon UTC on 1 March 2024: the same date in every time zone from UTC-11 to UTC+11.
inline const FixedClock kPrintClock(std::chrono::system_clock::time_point(std::chrono::milliseconds(
    QDateTime(QDate(2024, 3, 1), QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch())));

}  // namespace zr::test
