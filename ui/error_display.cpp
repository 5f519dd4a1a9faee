// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/error_display.h"

#include "runtime/failure.h"

namespace zr {

QString ErrorMessage(std::int16_t errNumber) {
  switch (errNumber) {
    case err::kIllegalFunctionCall:
      return QStringLiteral("VB illegal function call.");
    case err::kOverflow:
      return QStringLiteral("VB overflow error.");
    case err::kDivisionByZero:
      return QStringLiteral("VB division by zero error.");
    case err::kTypeMismatch:
      return QStringLiteral("Invalid date.");
    case err::kOutOfStringSpace:
      return QStringLiteral("Out of string space.");
    default:
      return QStringLiteral("Unknown VB error.");
  }
}

}  // namespace zr
