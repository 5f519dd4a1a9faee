// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "random.h"

namespace zr {

void ClockSeededRandom::Seed() {
  stream_.Start(static_cast<std::uint64_t>(clock_.Now().time_since_epoch().count()));
}

}  // namespace zr
