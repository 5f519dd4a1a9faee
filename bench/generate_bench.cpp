// Cost of one text: the generator against the bare system calls it cannot avoid, and against
// phrase files of very different sizes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "core/zintok1.h"
#include "runtime/failure.h"
#include "runtime/files.h"
#include "runtime/random.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBundledDir = ZR_BENCH_PHRASE_DIR;

// A private data directory, removed at exit; the benchmarks never write into the working one.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "zr_bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const fs::path& path() const { return path_; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
      throw std::runtime_error("cannot write " + name);
  }

 private:
  fs::path path_;
};

// Department E with `count` distinct records in each column and the counts file to match. Made
// once per count and kept for the run, so that setup never lands inside a timing.
const TempDir& SetOfSize(int count) {
  static std::map<int, std::unique_ptr<TempDir>> sets;
  auto& dir = sets[count];
  if (dir)
    return *dir;
  dir = std::make_unique<TempDir>();
  for (int column = 1; column <= zr::kColumns; ++column) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * zr::kRecordLength);
    for (int record = 1; record <= count; ++record) {
      // Appended piecewise: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string&&.
      std::string phrase = "E";
      phrase.append(1, static_cast<char>('0' + column)).append("-").append(std::to_string(record));
      phrase.resize(zr::kRecordLength, ' ');
      bytes += phrase;
    }
    dir->Write(zr::PhraseFileName('E', column), bytes);
  }
  const std::string number = std::to_string(count);
  std::string counts;
  for (std::size_t group = 0; group < zr::kDepartments.size(); ++group) {
    counts.append(number).append(",").append(number).append(",").append(number).append("\r\n");
  }
  dir->Write(std::string(zr::kCountsFileName), counts);
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
  std::mt19937 engine(1);
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
    for (std::size_t c = 0; c < fds.size(); ++c) {
      for (int line = 0; line < zr::kLinesPerText; ++line) {
        const ssize_t n = ::pread(fds[c], buffer, sizeof buffer, offsets[next++]);
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
