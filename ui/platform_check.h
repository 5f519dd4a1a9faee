// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zr {

// What decides whether a window can open, read before QApplication is made: Qt ends the process
// with an abort when no platform plugin starts, so a hopeless case must be caught first.
struct PlatformSetting {
  std::string platform;              // QT_QPA_PLATFORM or -platform: the plugins to try, or empty
  std::string waylandDisplay;        // WAYLAND_DISPLAY
  std::string display;               // DISPLAY
  std::vector<std::string> plugins;  // the installed platform plugins, such as "xcb" or "wayland"
};

// Why no window can open, as one line; empty when one of the plugins Qt would try can start.
std::string WhyNoWindow(const PlatformSetting& setting);

// Qt's raster painting needs at least 15 bits per pixel; on a shallower screen every paint fails
// and the window crashes.
inline constexpr int kLeastColourDepth = 15;

// Why a screen of that colour depth in bits cannot show the window, as one line; empty when it can.
std::string WhyNoPainting(int depth);

// The platform plugins in a folder, by the names Qt knows them by ("libqxcb.so" is "xcb").
std::vector<std::string> PlatformPluginsIn(const std::filesystem::path& folder);

}  // namespace zr
