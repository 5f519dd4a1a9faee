// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include "print/printer.h"

namespace zr {

// Prints on the system's default printer, looked up (without a dialog) for every document, as
// one job to its queue on the CUPS server the environment names. Every answer of the server is
// checked: creating the job, sending the document, ending it. Fails with err::kPrinterError when
// there is no default printer and on any refusal (the queue rejects jobs or is gone, the server
// is gone, the document cannot be sent), after cancelling a job already created, so that no
// half-sent job stays queued. A queue that is stopped but accepting keeps the job, as CUPS
// intends.
class DefaultPrinter final : public Printer {
 public:
  void Print(const Document& document) override;
};

}  // namespace zr
