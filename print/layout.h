// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include "print/printer.h"

class QPrinter;

namespace zr {

// Lays the document out on the printer's default paper and margins as one job, from beginning it
// to ending it. Lines wider than the printable width wrap at word boundaries (a word wider than
// it anywhere), and a line that does not fit on the page goes to the next one. Fails with
// err::kPrinterError, also for a font size that is not positive; a job that fails once begun is
// aborted, so that nothing of it is sent.
void LayOut(const Document& document, QPrinter& printer);

}  // namespace zr
