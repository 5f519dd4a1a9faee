// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/platform_check.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fakes.h"

namespace zr {
namespace {

struct PlatformRow {
  std::string tag;
  PlatformSetting setting;
  std::string says;  // a part of the reason, or empty when a window can open
};

class NoWindow : public testing::TestWithParam<PlatformRow> {};

TEST_P(NoWindow, IsReportedOnlyWhenNoPluginQtTriesCanStart) {
  const std::string why = WhyNoWindow(GetParam().setting);
  if (GetParam().says.empty()) {
    EXPECT_EQ(why, "");
  } else {
    EXPECT_NE(why.find(GetParam().says), std::string::npos) << why;
  }
}

const std::vector<std::string> kAll = {"xcb", "wayland", "wayland-egl", "offscreen"};
const std::vector<std::string> kX11Only = {"xcb", "offscreen"};

INSTANTIATE_TEST_SUITE_P(
    Settings, NoWindow,
    testing::Values(
        PlatformRow{"NoDisplay", {"", "", "", kAll}, "neither WAYLAND_DISPLAY nor DISPLAY"},
        PlatformRow{"WaylandWithPlugin", {"", "wayland-0", "", kAll}, ""},
        PlatformRow{"WaylandWithoutPlugin", {"", "wayland-0", "", kX11Only}, "qt6-wayland"},
        PlatformRow{
            "WaylandWithoutPluginFallsBackToXWayland", {"", "wayland-0", ":0", kX11Only}, ""},
        PlatformRow{"X11", {"", "", ":0", kAll}, ""},
        PlatformRow{"X11WithoutPlugin", {"", "", ":0", {"wayland"}}, "(xcb) is not installed"},
        PlatformRow{"NamedOffscreenNeedsNoDisplay", {"offscreen", "", "", kAll}, ""},
        PlatformRow{"NamedWaylandMayUseTheDefaultSocket", {"wayland", "", "", kAll}, ""},
        PlatformRow{"NamedButNotInstalled", {"wayland", "", ":0", kX11Only}, "\"wayland\""},
        PlatformRow{"NamedX11WithoutDisplay", {"xcb", "wayland-0", "", kAll}, "DISPLAY is not set"},
        PlatformRow{"NamedListWithArguments", {"wayland:a=1;xcb", "", ":0", kX11Only}, ""}),
    test::RowTag{});

}  // namespace
}  // namespace zr
