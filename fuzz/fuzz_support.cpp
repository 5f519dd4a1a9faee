// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "fuzz/fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace zr::fuzz {

namespace {

class Scratch {
 public:
  Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zr_fuzz.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      Fail("mkdtemp failed");
    path_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& ScratchDir() {
  static const Scratch scratch;
  return scratch.path();
}

void WriteFile(std::string_view name, std::string_view bytes) {
  // Plain system calls: this runs once per input and per file, so it should cost little.
  const std::string path = (ScratchDir() / name).string();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0)
    Fail("cannot create " + path);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0)
      Fail("cannot write " + path);
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
}

bool SameState(const ZINTOK1& a, const ZINTOK1& b) {
  return a.DeptLetter == b.DeptLetter && a.PhraseCounts == b.PhraseCounts &&
         std::memcmp(a.FontSizes.data(), b.FontSizes.data(), sizeof a.FontSizes) == 0 &&
         a.FontSizeIndex == b.FontSizeIndex && a.ErrNumber == b.ErrNumber;
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "property violated: %s\n", what.c_str());
  std::abort();
}

void ExpectNoFileOpen(const FileTable& files, const char* after) {
  for (int number = 1; number <= 3; ++number) {
    if (files.IsOpen(number)) {
      Fail("file number " + std::to_string(number) + " still open after " + after);
    }
  }
}

}  // namespace zr::fuzz

// Every input allocates a few kilobytes; with ASan's default 256 MB quarantine of freed memory the
// process would pass the -rss_limit_mb=256 the runs use without any real leak.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16";
}
