// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// What the Print command needs of a printer. Every call may fail with a zr::Failure.
class Printer {
 public:
  virtual ~Printer() = default;

  virtual void SetFontName(const QString& name) = 0;
  // The emphasis flag; emphasis prints bold.
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontSize(float points) = 0;
  // Writes the items one after another on the current line in the current font, then starts a
  // new line. A line break inside an item ("\r\n", "\n" or "\r") starts a new line there.
  virtual void PrintLine(const QStringList& items) = 0;
  // Sends everything printed since the previous end of document as one job.
  virtual void EndDoc() = 0;
};

}  // namespace zr
