// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/output.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace zr::cli {

// The texts the options ask for, in their form, drawn as the window draws them, each made whole
// before any of it is written. The phrase set is checked and read once, before the first text: a
// data problem writes nothing, and a set that changes during the run cannot change its output.
// Returns the exit status: 0, or 1 with a one-line problem naming its file in `problem`.
int WriteTexts(const Options& options, FileTable& files, RandomSource& random,
               const Encoder& encoder, Output& output, std::string& problem);

// The phrase set to read: the one the options name, else the working directory when it holds
// the counts file, else `installed`. With a language, the set of that language in the named set
// or in `installed` (not in the working directory): English is the set itself, any other
// language the folder of its name there.
std::filesystem::path DataDirectory(const Options& options, const std::filesystem::path& installed);

// The languages of the sets in `root`, sorted: "en" when `root` holds a set itself, and every
// folder there named by two or three lowercase letters that holds one.
std::vector<std::string> LanguagesIn(const std::filesystem::path& root);

// The installed phrase set, found from the running program so that it follows the prefix given
// at install time.
std::filesystem::path InstalledDataDirectory();

}  // namespace zr::cli
