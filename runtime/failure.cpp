// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "failure.h"

namespace zr {

const char* DescribeFailureNumber(int number) noexcept {
  switch (number) {
    case err::kIllegalFunctionCall:
      return "Invalid procedure call or argument";
    case err::kOverflow:
      return "Overflow";
    case err::kOutOfMemory:
      return "Out of memory";
    case err::kSubscriptOutOfRange:
      return "Subscript out of range";
    case err::kDivisionByZero:
      return "Division by zero";
    case err::kTypeMismatch:
      return "Type mismatch";
    case err::kOutOfStringSpace:
      return "Out of string space";
    case err::kInternalError:
      return "Internal error";
    case err::kBadFileNameOrNumber:
      return "Bad file name or number";
    case err::kFileNotFound:
      return "File not found";
    case err::kBadFileMode:
      return "Bad file mode";
    case err::kFileAlreadyOpen:
      return "File already open";
    case err::kDeviceIoError:
      return "Device I/O error";
    case err::kInputPastEndOfFile:
      return "Input past end of file";
    case err::kBadRecordNumber:
      return "Bad record number";
    case err::kTooManyFiles:
      return "Too many files";
    case err::kPathFileAccessError:
      return "Path/File access error";
    case err::kInvalidFileFormat:
      return "Invalid file format";
    case err::kPrinterError:
      return "Printer error";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace zr
