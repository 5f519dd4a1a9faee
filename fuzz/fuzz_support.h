// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/zintok1.h"
#include "runtime/files.h"

namespace zr::fuzz {

// The data directory of this fuzzing process: made on first use under the system temporary
// directory, removed at exit. Fuzz inputs are written here, never into the working directory.
const std::filesystem::path& ScratchDir();

// Replaces the file's whole contents with these bytes.
void WriteFile(std::string_view name, std::string_view bytes);

// Field by field, floats by their bits: "left exactly as before" must not depend on NaN rules.
bool SameState(const ZINTOK1& a, const ZINTOK1& b);

// Stops the process with a message libFuzzer reports as a crash, with the input saved.
[[noreturn]] void Fail(const std::string& what);

// Every file number the data layer uses must be free between calls.
void ExpectNoFileOpen(const FileTable& files, const char* after);

}  // namespace zr::fuzz
