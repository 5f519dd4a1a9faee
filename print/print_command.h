// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "print/printer.h"
#include "runtime/clock.h"

namespace zr {

inline constexpr const char* kPrintFontName = "Arial";
inline constexpr float kPrintFontSize = 12.0f;

// What the Print command prints for `text`: the text unchanged in 12-point Arial, then "Printed
// on " and the current date in the short form of the environment's date locale, emphasised.
Document PrintoutWithDateLine(const QString& text, const Clock& clock);

// The clock's current local date without time of day, as the C library's "%x" writes it in the
// locale that LC_ALL, LC_TIME or LANG name ("12/07/26" in C, "07.12.2026" in de_DE).
QString DateLineDate(const Clock& clock);

}  // namespace zr
