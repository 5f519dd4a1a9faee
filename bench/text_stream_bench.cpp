// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// The text command's stream in process: the phrase set read once, then texts from memory in each
// form, written to /dev/null in 64 KiB blocks. Whole-process figures against faker-js and cat come
// from text_peers.py.

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

// One batch is one run of the command: the set read and checked once, then `lines` lines, so the
// reading is spread over them as it is in a run. Reported per line.
void RunLines(benchmark::State& state, zr::cli::Form form, std::uint64_t lines) {
  zr::FileTable files(ZR_BENCH_PHRASE_DIR);
  const zr::UniqueFd sink(::open("/dev/null", O_WRONLY | O_CLOEXEC));
  const zr::cli::Encoder encoder = zr::cli::Encoder::ForCharacterSet("UTF-8", false);
  zr::cli::Options options;
  options.lines = lines;
  options.form = form;
  zr::FixedSeedRandom random(1);
  while (state.KeepRunningBatch(static_cast<benchmark::IterationCount>(lines))) {
    zr::cli::Output output(sink.get(), 64 * 1024);
    std::string problem;
    if (zr::cli::WriteTexts(options, files, random, encoder, output, problem) != 0) {
      state.SkipWithError(problem.c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations());
}

// The amount: 1,200,000 lines, as text_peers.py writes them.
void BM_LineStream(benchmark::State& state) {
  RunLines(state, static_cast<zr::cli::Form>(state.range(0)), 1'200'000);
}
BENCHMARK(BM_LineStream)
    ->ArgName("form")
    ->Arg(static_cast<int>(zr::cli::Form::kLines))
    ->Arg(static_cast<int>(zr::cli::Form::kParagraphs))
    ->Arg(static_cast<int>(zr::cli::Form::kHtml))
    ->Arg(static_cast<int>(zr::cli::Form::kMarkdown))
    ->Arg(static_cast<int>(zr::cli::Form::kJson))
    ->Unit(benchmark::kNanosecond);

// A short run, 120 lines: what reading the set costs against the lines made from it.
void BM_ShortRun(benchmark::State& state) {
  RunLines(state, zr::cli::Form::kLines, 120);
}
BENCHMARK(BM_ShortRun);

}  // namespace
