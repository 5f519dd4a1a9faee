// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <vector>

#include "print/printer.h"
#include "runtime/failure.h"

namespace zr::test {

// Records every printer call as a readable event, in order:
//   "font Arial", "bold 0", "size 12", "print [first item]|[second item]", "enddoc".
// Line breaks inside printed items show as \r and \n so events stay on one line; the items
// themselves are kept unchanged in `printed`. A call can be told to fail, to stand in for a
// printer that breaks down.
class RecordingPrinter final : public Printer {
 public:
  void SetFontName(const QString& name) override;
  void SetFontBold(bool bold) override;
  void SetFontSize(float points) override;
  void PrintLine(const QStringList& items) override;
  void EndDoc() override;

  // The completed documents: the events of each, up to (not including) the EndDoc that ended
  // it without failing. A failed EndDoc abandons its document.
  std::vector<std::vector<QString>> documents() const;
  // Whether any call at all was made, failed ones included.
  bool touched() const { return !calls.empty(); }
  std::size_t callCount() const { return calls.size(); }

  // Every call made, failed ones included and marked with " (failed)".
  std::vector<QString> calls;
  // The items of every PrintLine call, unchanged.
  std::vector<QStringList> printed;

  // Every call whose event starts with this fails (empty: none), e.g. "enddoc" or "print".
  QString failOn;
  // The call with this zero-based index fails (negative: none).
  int failAtCall = -1;
  int failNumber = err::kPrinterError;
  // Runs at the start of every call, to look at the rest of the program while it prints.
  std::function<void()> onCall;

 private:
  void Record(const QString& event);
};

}  // namespace zr::test
