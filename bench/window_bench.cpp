// What the user waits for after a click on Generate: the handler, the new text and the paint that
// shows it, in the real window over the bundled phrase set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "core/text_generator.h"
#include "core/zintok1.h"
#include "print/printer.h"
#include "runtime/clock.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "ui/form1.h"

namespace {

// The click never prints; no printer is looked up.
class NoPrinter final : public zr::Printer {
 public:
  void SetFontName(const QString&) override {}
  void SetFontBold(bool) override {}
  void SetFontSize(float) override {}
  void PrintLine(const QStringList&) override {}
  void EndDoc() override {}
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
