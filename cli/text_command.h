// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>
#include <string>

#include "cli/options.h"
#include "cli/output.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace zr::cli {

// The texts the options ask for, from the generator the window uses, each made whole before any of
// it is written. Returns the exit status: 0, or 1 with a one-line problem naming its file in
// `problem`. The phrase set is checked before the first text, so a data problem writes nothing;
// a text that fails later (a file changed or unreadable meanwhile) writes nothing of itself.
int WriteTexts(const Options& options, FileTable& files, RandomSource& random,
               const Encoder& encoder, Output& output, std::string& problem);

// The phrase set to read: the one the options name, else the working directory when it holds
// the counts file, else `installed`.
std::filesystem::path DataDirectory(const Options& options, const std::filesystem::path& installed);

// The installed phrase set, found from the running program so that it follows the prefix given
// at install time.
std::filesystem::path InstalledDataDirectory();

}  // namespace zr::cli
