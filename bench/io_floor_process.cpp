// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// The whole-process floor for `zeziru-ridaz-text --texts N`: per text the same three opens, 36
// record reads and three closes, the records written out in 64 KiB blocks, and nothing else.
// Usage: zr_io_floor_process PHRASE_SET TEXTS > /dev/null

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRecordLength = 40;
constexpr int kLinesPerText = 12;

bool WriteAll(const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n < 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fputs("usage: zr_io_floor_process PHRASE_SET TEXTS\n", stderr);
    return 2;
  }
  const std::string dir = argv[1];
  const long long texts = std::stoll(argv[2]);
  // Executive's files, as the command's default, drawn over their counts (the first three).
  const std::array<std::string, 3> paths = {dir + "/E1.dat", dir + "/E2.dat", dir + "/E3.dat"};
  std::array<unsigned, 3> counts{};
  std::FILE* countsFile = std::fopen((dir + "/zintok.dat").c_str(), "r");
  if (countsFile == nullptr ||
      // NOLINTNEXTLINE(cert-err34-c): the compiler's own counts file, three plain numbers first
      std::fscanf(countsFile, "%u,%u,%u", &counts[0], &counts[1], &counts[2]) != 3)
    return 1;
  std::fclose(countsFile);
  std::uint32_t random = 1;
  std::string block;
  block.reserve(80 * 1024);
  char record[kRecordLength];
  for (long long text = 0; text < texts; ++text) {
    std::array<int, 3> fds{};
    for (std::size_t c = 0; c < fds.size(); ++c) fds[c] = ::open(paths[c].c_str(), O_RDONLY);
    for (std::size_t c = 0; c < fds.size(); ++c) {
      for (int line = 0; line < kLinesPerText; ++line) {
        random = random * 1664525u + 1013904223u;  // an LCG step: nanoseconds, not a source
        const off_t offset = static_cast<off_t>((random >> 8) % counts[c]) * kRecordLength;
        if (::pread(fds[c], record, sizeof record, offset) != kRecordLength)
          return 1;
        block.append(record, sizeof record);
      }
    }
    for (const int fd : fds) ::close(fd);
    if (block.size() >= 64 * 1024) {
      if (!WriteAll(block))
        return 1;
      block.clear();
    }
  }
  return WriteAll(block) ? 0 : 1;
}
