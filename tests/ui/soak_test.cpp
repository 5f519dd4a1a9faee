// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// Long runs of the real handlers in an offscreen window: nothing written, nothing leaked.
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/phrase_store.h"
#include "ui/spin_button.h"
#include "window_fixture.h"

namespace zr {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's quarantine keeps freed memory resident
#else
constexpr bool kSanitized = false;
#endif

std::size_t OpenDescriptors() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0)
      return std::stol(line.substr(6));
  }
  return -1;
}

class Soak : public test::WindowTest {
 protected:
  void Generate() { QTest::mouseClick(Find("Command2"), Qt::LeftButton); }
  void Department(std::size_t row) {
    QTest::mouseClick(Options().at(static_cast<qsizetype>(row)), Qt::LeftButton);
  }
  void Print() { QTest::mouseClick(Find("Command1"), Qt::LeftButton); }
};

TEST_F(Soak, EveryHandlerFailuresIncludedLeavesTheDataDirectoryAsItWas) {
  const auto before = test::Snapshot(dir.path());
  auto* spinner = Find<SpinButton>("SpinButton1");
  for (std::size_t row = 0; row < kDepartments.size(); ++row) {
    Department(row);
    Generate();
    QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
    QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
    Print();
  }
  EXPECT_EQ(test::Snapshot(dir.path()), before);
  // Failing paths: a count too small for a text, then a printer that breaks down.
  dir.Write("zintok.dat", "11,30,30");
  const auto broken = test::Snapshot(dir.path());
  Department(0);
  Generate();
  printer.failNumber = err::kPrinterError;
  Print();
  EXPECT_EQ(Text(), test::kDefaultErrorMessage);
  EXPECT_EQ(test::Snapshot(dir.path()), broken);
}

TEST_F(Soak, TenThousandGeneratesAndAThousandDepartmentClicksLeakNothing) {
  // Warm up caches (fonts, layout) before taking the baseline.
  for (int i = 0; i < 200; ++i) Generate();
  const std::size_t descriptors = OpenDescriptors();
  const long resident = ResidentKiB();

  for (int i = 0; i < 10'000; ++i) {
    Generate();
    if (i % 10 == 0)
      Department(static_cast<std::size_t>(i / 10) % kDepartments.size());
  }
  EXPECT_EQ(Text().count('\n'), 12);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_FALSE(AnyPhraseFileOpen());
  const long growth = ResidentKiB() - resident;
  RecordProperty("ResidentGrowthKiB", static_cast<int>(growth));
  if (!kSanitized) {
    EXPECT_LT(growth, 2048) << "resident memory grew by " << growth << " KiB";
  }
}

}  // namespace
}  // namespace zr
