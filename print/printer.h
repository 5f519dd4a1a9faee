// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <vector>

namespace zr {

// One line of a printout and the font it prints in. A line break inside the text ("\r\n", "\n"
// or "\r") starts a new line there, in the same font.
struct PrintedLine {
  QString text;
  QString fontName;
  float points = 0.0f;
  // The emphasis flag; emphasis prints bold.
  bool bold = false;

  bool operator==(const PrintedLine&) const = default;
};

// A printout: its lines from top to bottom.
struct Document {
  std::vector<PrintedLine> lines;

  bool operator==(const Document&) const = default;
};

// Where the Print command sends a printout: the print server or a file.
class Printer {
 public:
  virtual ~Printer() = default;

  // Prints the document as one job; an empty one prints nothing. May fail with a zr::Failure.
  virtual void Print(const Document& document) = 0;
};

}  // namespace zr
