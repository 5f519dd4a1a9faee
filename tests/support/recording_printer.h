// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <vector>

#include "print/printer.h"
#include "runtime/failure.h"

namespace zr::test {

// Keeps every document it prints. It can be told to fail, to stand in for a printer that breaks
// down or a job the print server refuses.
class RecordingPrinter final : public Printer {
 public:
  void Print(const Document& document) override {
    ++calls;
    if (onCall)
      onCall();
    if (failNumber != 0)
      throw Failure(failNumber, "printer error");
    documents.push_back(document);
  }

  // The documents printed, in order; a failed call prints none.
  std::vector<Document> documents;
  // Every call made, failed ones included.
  int calls = 0;
  // When not 0, every call fails with this number.
  int failNumber = 0;
  // Runs at the start of every call, to look at the rest of the program while it prints.
  std::function<void()> onCall;
};

}  // namespace zr::test
