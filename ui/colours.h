#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace zr {

// Colour values are 0x00BBGGRR; with the top bit set the low byte names a system colour.
inline constexpr std::uint32_t kSystemWindowBackground = 0x80000005u;
inline constexpr std::uint32_t kSystemWindowText = 0x80000008u;
inline constexpr std::uint32_t kSystemButtonText = 0x80000012u;
inline constexpr std::uint32_t kRed = 0x000000FFu;
inline constexpr std::uint32_t kBlue = 0x00FF0000u;
inline constexpr std::uint32_t kYellow = 0x0000FFFFu;
inline constexpr std::uint32_t kLightGrey = 0x00C0C0C0u;

// System colours 5 and 8 are those of an edit box (its background and text), 18 a button's text.
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

}  // namespace zr
