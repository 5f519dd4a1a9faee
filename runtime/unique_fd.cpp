// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "unique_fd.h"

#include <unistd.h>

namespace zr {

void UniqueFd::Reset(int fd) noexcept {
  // Don't retry close on EINTR: the descriptor is gone either way on Linux.
  if (fd_ >= 0)
    ::close(fd_);
  fd_ = fd;
}

}  // namespace zr
