// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// The text command's streaming loop, per text, against BM_IoFloor (generate_bench.cpp): the same
// opens and reads with nothing else.

#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <string>

#include "cli/options.h"
#include "cli/output.h"
#include "cli/text_command.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "runtime/unique_fd.h"

namespace {

// Generate, the conversion to UTF-8 with LF line ends and the 64 KiB writes, to /dev/null; the
// checks before the first text are spread over a batch of texts.
void BM_TextStream(benchmark::State& state) {
  constexpr std::uint64_t kBatch = 1000;
  zr::FileTable files(ZR_BENCH_PHRASE_DIR);
  const zr::UniqueFd sink(::open("/dev/null", O_WRONLY | O_CLOEXEC));
  const zr::cli::Encoder encoder = zr::cli::Encoder::ForCharacterSet("UTF-8", false);
  zr::cli::Options options;
  options.texts = kBatch;
  zr::FixedSeedRandom random(1);
  while (state.KeepRunningBatch(kBatch)) {
    zr::cli::Output output(sink.get(), 64 * 1024);
    std::string problem;
    if (zr::cli::WriteTexts(options, files, random, encoder, output, problem) != 0) {
      state.SkipWithError(problem.c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextStream);

}  // namespace
