// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <utility>

#include "print/printer.h"

namespace zr {

// Prints into a PDF file, which every document writes anew: what tests and benchmarks print to.
class PdfFile final : public Printer {
 public:
  explicit PdfFile(QString path) : path_(std::move(path)) {}

  void Print(const Document& document) override;

 private:
  QString path_;
};

}  // namespace zr
