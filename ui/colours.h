// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace zr {

// Colour values are 0x00BBGGRR, as the layout gives them; with the top bit set the low byte
// names a system colour, which follows the desktop's theme.
inline constexpr std::uint32_t kSystemWindowText = 0x80000008u;
inline constexpr std::uint32_t kSystemButtonText = 0x80000012u;
inline constexpr std::uint32_t kRed = 0x000000FFu;
inline constexpr std::uint32_t kBlue = 0x00FF0000u;
inline constexpr std::uint32_t kYellow = 0x0000FFFFu;
inline constexpr std::uint32_t kLightGrey = 0x00C0C0C0u;

// Window background and text (5, 8) are what an edit box shows, so they map to Base and Text;
// 18 is the text on a button.
inline QColor ColourFromValue(std::uint32_t value, const QPalette& palette) {
  if (value & 0x80000000u) {
    switch (value & 0xFFu) {
      case 5:
        return palette.color(QPalette::Base);
      case 8:
        return palette.color(QPalette::Text);
      case 18:
        return palette.color(QPalette::ButtonText);
      default:
        return palette.color(QPalette::WindowText);
    }
  }
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

// The contrast ratio of two colours as WCAG defines it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// A theme's text colour where it can be read on a fixed background; black where it cannot, as
// with a dark theme's light text on the window's fixed light grey.
QColor ReadableOn(const QColor& text, const QColor& background);

}  // namespace zr
