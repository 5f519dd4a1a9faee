// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// Cost of one text: the generator against the bare system calls it cannot avoid, and against
// phrase files of very different sizes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "core/zintok1.h"
#include "runtime/failure.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "tests/support/data_dir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBundledDir = ZR_BENCH_PHRASE_DIR;

// A data directory with `count` records in every phrase file. Made once per count and kept for
// the run, so that setup never lands inside a timing; removed at exit.
const zr::test::DataDir& SetOfSize(int count) {
  static std::map<int, std::unique_ptr<zr::test::DataDir>> sets;
  auto& dir = sets[count];
  if (!dir) {
    dir = std::make_unique<zr::test::DataDir>();
    dir->WriteUniformSet(count);
  }
  return *dir;
}

bool LoadState(benchmark::State& state, zr::ZINTOK1& shared, zr::FileTable& files) {
  try {
    zr::LoadDefaultDepartment(shared, files);
    return true;
  } catch (const zr::Failure& failure) {
    std::string message = "cannot load the counts: ";
    message += failure.what();
    state.SkipWithError(message.c_str());
    return false;
  }
}

void RunGenerate(benchmark::State& state, const fs::path& dir) {
  zr::FileTable files(dir);
  zr::ZINTOK1 shared;
  if (!LoadState(state, shared, files))
    return;
  // Seeded from the clock on every text, as the program does.
  const zr::SystemClock clock;
  zr::ClockSeededRandom random(clock);
  for (auto _ : state) {
    std::string text = zr::Generate(shared, files, random);
    benchmark::DoNotOptimize(text.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

// One text from the bundled phrase set: opens, reads and closes included.
void BM_Generate(benchmark::State& state) {
  RunGenerate(state, kBundledDir);
}
BENCHMARK(BM_Generate);

// The least the same work can cost: three plain opens, twelve 40-byte reads per file at random
// record offsets, three closes. No name building, no checks, no strings.
void RunIoFloor(benchmark::State& state, const fs::path& dir) {
  zr::FileTable files(dir);
  zr::ZINTOK1 shared;
  if (!LoadState(state, shared, files))
    return;

  std::array<std::string, zr::kColumns> paths;
  for (int column = 1; column <= zr::kColumns; ++column) {
    paths[static_cast<std::size_t>(column - 1)] =
        (dir / zr::PhraseFileName(shared.DeptLetter, column)).string();
  }
  // Offsets drawn ahead of time, so the floor holds no random number work either.
  constexpr std::size_t kTexts = 256;
  constexpr std::size_t kReadsPerText = zr::kColumns * zr::kLinesPerText;
  std::vector<off_t> offsets(kTexts * kReadsPerText);
  std::mt19937 engine(1);  // NOLINT(cert-msc32-c,cert-msc51-cpp): the same reads every run
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const auto column = (i % kReadsPerText) / zr::kLinesPerText;
    std::uniform_int_distribution<int> pick(0, shared.PhraseCounts[column] - 1);
    offsets[i] = static_cast<off_t>(pick(engine)) * zr::kRecordLength;
  }

  std::size_t next = 0;
  char buffer[zr::kRecordLength];
  for (auto _ : state) {
    std::array<int, zr::kColumns> fds{};
    for (std::size_t c = 0; c < fds.size(); ++c) fds[c] = ::open(paths[c].c_str(), O_RDONLY);
    for (const int fd : fds) {
      for (int line = 0; line < zr::kLinesPerText; ++line) {
        // Not const: Google Benchmark 1.9 (Debian 13) deprecates DoNotOptimize of a const value.
        ssize_t n = ::pread(fd, buffer, sizeof buffer, offsets[next++]);
        benchmark::DoNotOptimize(n);
      }
    }
    for (const int fd : fds) ::close(fd);
    benchmark::DoNotOptimize(buffer);
    if (next == offsets.size())
      next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_IoFloor(benchmark::State& state) {
  RunIoFloor(state, kBundledDir);
}
BENCHMARK(BM_IoFloor);

// Must not grow with the file size. With 12 records every record of a column is drawn, so the
// last draws of a text are mostly redraws.
void BM_GenerateRecords(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  RunGenerate(state, SetOfSize(count).path());
  state.counters["records"] = count;
}
BENCHMARK(BM_GenerateRecords)->Arg(12)->Arg(1000)->Arg(32767);

// The floor at the same sizes: separates what the system charges for a larger file from what the
// generator adds.
void BM_IoFloorRecords(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  RunIoFloor(state, SetOfSize(count).path());
  state.counters["records"] = count;
}
BENCHMARK(BM_IoFloorRecords)->Arg(12)->Arg(1000)->Arg(32767);

// The random number part of one text alone: the clock seeding plus 36 draws. Not a goal; it shows
// how much of the distance to the floor the seeding takes.
void BM_ClockSeededRandomPerText(benchmark::State& state) {
  const zr::SystemClock clock;
  zr::ClockSeededRandom random(clock);
  for (auto _ : state) {
    random.Seed();
    for (int i = 0; i < zr::kColumns * zr::kLinesPerText; ++i) {
      benchmark::DoNotOptimize(random.Next());
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ClockSeededRandomPerText);

}  // namespace
