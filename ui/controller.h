// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/zintok1.h"
#include "ui/services.h"

namespace zr {

// What a handler leaves on the window. The window applies it; the controller never touches a
// widget, so every handler can be checked on its result alone.
struct TextBoxChange {
  // The number of a failure to show instead of everything below.
  std::optional<std::int16_t> error;
  // Back to the window-text colour (and the current size, below).
  bool normalColour = false;
  std::optional<float> points;
  // Replaces the whole text.
  std::optional<QString> text;
  bool focus = false;
  // The department in force afterwards, so the option group shows the one Generate will use.
  std::optional<std::size_t> department;
};

// The handlers behind the window. Every handler but Load is guarded: a failure in one of its steps
// skips the rest and comes back as the number to show; the handler itself ends normally.
class Controller {
 public:
  Controller(ZINTOK1& state, Services services);

  // Start-up. Not guarded: a failure propagates to the caller.
  void Load();
  // The smallest and the largest text size, once Load has filled the table.
  std::pair<float, float> SizeRange() const;
  TextBoxChange DepartmentClick(std::int16_t index) noexcept;
  TextBoxChange Generate() noexcept;
  TextBoxChange SizeDown() noexcept;
  TextBoxChange SizeUp() noexcept;
  // Prints `text`, what the box holds at the click.
  TextBoxChange Print(const QString& text) noexcept;

 private:
  template <typename Steps>
  TextBoxChange Guarded(Steps&& steps) noexcept;
  TextBoxChange Report(long long failureNumber) noexcept;
  TextBoxChange Resized(bool stepped) const;
  TextBoxChange NormalPresentation() const;

  ZINTOK1& state_;
  Services services_;
};

}  // namespace zr
