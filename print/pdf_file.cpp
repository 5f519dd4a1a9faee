// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/pdf_file.h"

#include <QPrinter>

#include "print/layout.h"

namespace zr {

void PdfFile::Print(const Document& document) {
  if (document.lines.empty())
    return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path_);
  LayOut(document, printer);
}

}  // namespace zr
