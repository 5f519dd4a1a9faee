#pragma once

#include <QString>

#include "print/printer.h"
#include "runtime/clock.h"

namespace zr {

inline constexpr const char* kPrintFontName = "Arial";
inline constexpr float kPrintFontSize = 12.0f;

// Prints `text` as one document: the body in 12-point Arial, then "Printed on " and the current
// date in the system locale's short form, emphasised, then ends the document. Face, emphasis and
// size are set anew every time.
void PrintWithDateLine(const QString& text, Printer& printer, const Clock& clock);

// The date line's text for the clock's current local date, without time of day.
QString DateLineDate(const Clock& clock);

}  // namespace zr
