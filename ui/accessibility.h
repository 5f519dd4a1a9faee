// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

namespace zr {

// Lets assistive tools see the window as the application's frame, named by its title, and the
// spinner as a spin box with a value and increase/decrease actions. Safe to call more than once.
void InstallAccessibleInterfaces();

}  // namespace zr
