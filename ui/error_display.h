// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <cstdint>

namespace zr {

inline constexpr float kErrorFontSize = 11.0f;

// The user's wording for a failure number; numbers without a message of their own share one.
QString ErrorMessage(std::int16_t errNumber);

}  // namespace zr
