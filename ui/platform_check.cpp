// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/platform_check.h"

#include <algorithm>
#include <system_error>

namespace zr {

namespace {

// The plugins Qt tries in turn: the ones named, or by default Wayland first when a Wayland
// display is given, then X11.
std::vector<std::string> Candidates(const PlatformSetting& setting) {
  if (setting.platform.empty()) {
    if (setting.waylandDisplay.empty())
      return {"xcb"};
    return {"wayland", "xcb"};
  }
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= setting.platform.size()) {
    std::size_t end = setting.platform.find(';', start);
    if (end == std::string::npos)
      end = setting.platform.size();
    // "name:argument,...": the arguments go to the plugin.
    const std::string entry = setting.platform.substr(start, end - start);
    names.push_back(entry.substr(0, entry.find(':')));
    start = end + 1;
  }
  return names;
}

bool Installed(const PlatformSetting& setting, const std::string& name) {
  return std::find(setting.plugins.begin(), setting.plugins.end(), name) != setting.plugins.end();
}

// Only X11 is sure to fail without its variable; a named Wayland plugin falls back to the
// compositor's default socket, and the other plugins need no display.
bool CanStart(const PlatformSetting& setting, const std::string& name) {
  return Installed(setting, name) && (name != "xcb" || !setting.display.empty());
}

}  // namespace

std::string WhyNoWindow(const PlatformSetting& setting) {
  const std::vector<std::string> candidates = Candidates(setting);
  if (std::any_of(candidates.begin(), candidates.end(),
                  [&](const std::string& name) { return CanStart(setting, name); }))
    return {};
  if (!setting.platform.empty()) {
    const std::string& first = candidates.front();
    if (!Installed(setting, first))
      return "the platform plugin \"" + first + "\" (QT_QPA_PLATFORM) is not installed";
    return "QT_QPA_PLATFORM asks for X11 (xcb) and DISPLAY is not set";
  }
  if (setting.waylandDisplay.empty() && setting.display.empty())
    return "no display (neither WAYLAND_DISPLAY nor DISPLAY is set)";
  if (!setting.waylandDisplay.empty() && !Installed(setting, "wayland"))
    return "this is a Wayland session and the Wayland platform plugin is not installed "
           "(install qt6-wayland)";
  return "the X11 platform plugin (xcb) is not installed";
}

std::string WhyNoPainting(int depth) {
  if (depth >= kLeastColourDepth)
    return {};
  return "the screen has " + std::to_string(depth) + "-bit colour; at least " +
         std::to_string(kLeastColourDepth) + " bits are needed";
}

std::vector<std::string> PlatformPluginsIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::string name = entry.path().filename().string();
    if (!name.starts_with("libq") || !name.ends_with(".so"))
      continue;
    name = name.substr(4, name.size() - 7);
    // Qt's generic Wayland plugin answers to "wayland".
    names.push_back(name == "wayland-generic" ? "wayland" : name);
  }
  return names;
}

}  // namespace zr
