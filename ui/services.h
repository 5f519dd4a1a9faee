// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include "print/printer.h"
#include "runtime/clock.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace zr {

// What the window's handlers reach the outside world through; tests pass their own.
struct Services {
  FileTable& files;
  RandomSource& random;
  const Clock& clock;
  Printer& printer;
};

}  // namespace zr
