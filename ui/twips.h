// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <cmath>

namespace zr {

// Window geometry is laid out in twips (1/1440 inch); at 96 dpi one pixel is 15 twips. Qt's
// high-DPI scaling takes it from device-independent pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// Rounds the edges rather than the size, so that controls that touch in twips touch in pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
  const int x = TwipsToPixels(left);
  const int y = TwipsToPixels(top);
  return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

}  // namespace zr
