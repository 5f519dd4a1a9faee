// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// What the user waits for after a click on Generate: the handler, the new text and the paint that
// shows it, in the real window over the bundled phrase set. And what a click on Print costs when
// the box holds megabytes of text.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "core/zintok1.h"
#include "print/pdf_file.h"
#include "print/printer.h"
#include "runtime/clock.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "runtime/text.h"
#include "tests/support/fakes.h"
#include "ui/form1.h"

namespace {

// The click never prints; no printer is looked up.
class NoPrinter final : public zr::Printer {
 public:
  void Print(const zr::Document&) override {}
};

// Counts the paints of one widget, so a click is timed up to the paint that shows its text.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }
  long long paints() const { return paints_; }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints_;
    return false;
  }

 private:
  long long paints_ = 0;
};

// Nearest-rank percentile of the samples (sorted in place).
double Percentile(std::vector<double>& samples, double fraction) {
  std::sort(samples.begin(), samples.end());
  const auto rank =
      static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
  return samples[std::max<std::size_t>(rank, 1) - 1];
}

void BM_GenerateClick(benchmark::State& state) {
  zr::FileTable files(ZR_BENCH_PHRASE_DIR);
  zr::SystemClock clock;
  zr::ClockSeededRandom random(clock);
  NoPrinter printer;
  zr::ZINTOK1 shared;
  zr::Form1 form(shared, {files, random, clock, printer});
  form.Load();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    state.SkipWithError("the window was never exposed");
    return;
  }
  QApplication::processEvents();
  const auto* text = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  auto* generate = form.findChild<QPushButton*>(QStringLiteral("Command2"));
  PaintCounter counter(text->viewport());

  std::vector<double> samples;
  samples.reserve(1 << 14);
  for (auto _ : state) {
    const long long paintsBefore = counter.paints();
    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(generate, Qt::LeftButton);
    // The text is set inside the click; it is shown once the viewport's paint has run.
    QElapsedTimer limit;
    limit.start();
    while (counter.paints() == paintsBefore && limit.elapsed() < 2000) {
      QApplication::processEvents(QEventLoop::AllEvents);
    }
    const auto stop = std::chrono::steady_clock::now();
    if (counter.paints() == paintsBefore) {
      state.SkipWithError("the text box was not repainted after the click");
      break;
    }
    const double seconds = std::chrono::duration<double>(stop - start).count();
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1e3);
  }
  if (state.error_occurred())
    return;
  if (text->toPlainText().count(QLatin1Char('\n')) < zr::kLinesPerText - 1) {
    state.SkipWithError("the click did not produce a text");
    return;
  }
  state.counters["clicks"] = static_cast<double>(samples.size());
  if (samples.empty())
    return;
  state.counters["p50_ms"] = Percentile(samples, 0.50);
  state.counters["p99_ms"] = Percentile(samples, 0.99);
  state.counters["max_ms"] = samples.back();
}
BENCHMARK(BM_GenerateClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Generated texts one after another, as the window shows them, up to `bytes` of UTF-8.
QString LongText(std::size_t bytes) {
  zr::FileTable files(ZR_BENCH_PHRASE_DIR);
  zr::test::SeededRandom random(1);
  zr::ZINTOK1 shared;
  zr::LoadDefaultDepartment(shared, files);
  std::string text;
  text.reserve(bytes + 4096);
  while (text.size() < bytes) {
    for (char c : zr::Generate(shared, files, random)) {
      if (c != '\r')
        text += c;
    }
  }
  text.resize(bytes);
  return QString::fromStdString(zr::Cp1252ToUtf8(text));
}

// A click on Print with range(0) MB of text in the box, printed to a PDF file: reading the box,
// laying out the pages and writing the document. Setting the text is not timed.
void BM_PrintClick(benchmark::State& state) {
  zr::FileTable files(ZR_BENCH_PHRASE_DIR);
  zr::SystemClock clock;
  zr::ClockSeededRandom random(clock);
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
  zr::PdfFile printer(pdf);
  zr::ZINTOK1 shared;
  zr::Form1 form(shared, {files, random, clock, printer});
  form.Load();
  form.show();
  auto* text1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  auto* command1 = form.findChild<QPushButton*>(QStringLiteral("Command1"));
  const QString text = LongText(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) {
    state.PauseTiming();
    text1->setPlainText(text);
    QApplication::processEvents();
    state.ResumeTiming();
    QTest::mouseClick(command1, Qt::LeftButton);
  }
  if (text1->toPlainText().size() != text.size())
    state.SkipWithError("the print failed");
  state.counters["pdf_MB"] = static_cast<double>(QFileInfo(pdf).size()) / (1 << 20);
}
// 1 MB is the smoke test's size; 5 and 50 MB are the ones measured.
BENCHMARK(BM_PrintClick)->Arg(1)->Arg(5)->Arg(50)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless the caller chose a platform: a benchmark run must not need a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
