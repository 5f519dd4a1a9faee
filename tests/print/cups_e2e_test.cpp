// Printing from the real window's Print button to the default printer of a real CUPS server.
// print_cups_e2e runs inside with_cups.sh, which provides the server, a default queue that keeps
// its job files, ZR_CUPS_SPOOL naming the folder they are kept in and ZR_CUPS_LOG the server's log.
// print_no_printer runs the NoPrinter cases against a server socket that does not exist.

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTime>
#include <QTimeZone>
#include <chrono>
#include <memory>
#include <set>

#include "print/print_command.h"
#include "print/qt_printer.h"
#include "runtime/failure.h"
#include "tests/print/pdf_tools.h"
#include "tests/print/test_printing.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"
#include "ui/form1.h"

namespace zr {
namespace {

using test::FailureNumberOf;
using test::FixedClock;
using test::PdfLines;
using test::RunTool;

const FixedClock& kClock = test::kPrintClock;

// The real window over a valid phrase set, printing to the system's default printer.
struct PrintingWindow {
  PrintingWindow() {
    dir.WriteUniformSet(12);
    form.Load();
    form.show();
  }
  // What a user does: the text in the box, then a click on Print. Returns what the box shows.
  QString Print(const QString& text) {
    auto* box = form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    box->setPlainText(text);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    return box->toPlainText();
  }

  test::DataDir dir;
  FileTable files{dir.path()};
  SeededRandom random{1};
  ZINTOK1 state;
  std::unique_ptr<QtPrinter> printer = QtPrinter::ForDefaultPrinter();
  Form1 form{state, {files, random, kClock, *printer}};
};

// The ids of the server's jobs in one state ("completed" or "not-completed"), on every queue or
// one.
std::set<int> JobIds(const QString& which, const QString& queue = QString()) {
  QStringList arguments{QStringLiteral("-W"), which, QStringLiteral("-o")};
  if (!queue.isEmpty())
    arguments << queue;
  const test::ToolRun run = RunTool(QStringLiteral("lpstat"), arguments);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  // Lines look like "ZeziruPDF-12   root   1024   Fri 01 Mar 2024 ...".
  static const QRegularExpression kJob(QStringLiteral("^\\S+-(\\d+)\\s"),
                                       QRegularExpression::MultilineOption);
  std::set<int> ids;
  for (auto it = kJob.globalMatch(run.out); it.hasNext();)
    ids.insert(it.next().captured(1).toInt());
  return ids;
}

class CupsServer : public testing::Test {
 protected:
  void SetUp() override {
    spool_ = qEnvironmentVariable("ZR_CUPS_SPOOL");
    ASSERT_FALSE(spool_.isEmpty()) << "ZR_CUPS_SPOOL is not set: run this under with_cups.sh";
    ASSERT_TRUE(QFileInfo(spool_).isDir()) << spool_.toStdString();
  }

  // Waits until the server has finished every job, then returns the completed ones. The wait is
  // bounded so a stuck queue fails the test instead of hanging it.
  std::set<int> CompletedJobsOnceIdle() {
    QDeadlineTimer deadline(std::chrono::seconds(30));
    while (!JobIds(QStringLiteral("not-completed")).empty()) {
      if (deadline.hasExpired()) {
        ADD_FAILURE() << "jobs still pending: "
                      << RunTool(QStringLiteral("lpstat"),
                                 {QStringLiteral("-l"), QStringLiteral("-o")})
                             .out.toStdString();
        break;
      }
      QThread::msleep(200);
    }
    return JobIds(QStringLiteral("completed"));
  }

  // Whether the server printed the job to the end, through the queue's filters.
  bool Printed(int id) const {
    QFile log(qEnvironmentVariable("ZR_CUPS_LOG"));
    if (!log.open(QIODevice::ReadOnly))
      return false;
    return QString::fromUtf8(log.readAll())
        .contains(QStringLiteral("[Job %1] Job completed.").arg(id));
  }

  // The document of a job as the program handed it to CUPS, kept by the server.
  QString JobFile(int id) const {
    return QDir(spool_).filePath(QStringLiteral("d%1-001").arg(id, 5, 10, QLatin1Char('0')));
  }

  QString spool_;
};

std::set<int> NewIds(const std::set<int>& after, const std::set<int>& before) {
  std::set<int> added;
  for (const int id : after) {
    if (before.count(id) == 0)
      added.insert(id);
  }
  return added;
}

const QString kBody = QStringLiteral(
    "We must incentivize our mission-critical deliverables.\n"
    "Going forward, the team will leverage holistic synergies.\n");

TEST_F(CupsServer, PrintSendsOneJobWithTheBodyAndTheDateLine) {
  const std::set<int> before = CompletedJobsOnceIdle();
  EXPECT_EQ(PrintingWindow().Print(kBody), kBody);
  const std::set<int> added = NewIds(CompletedJobsOnceIdle(), before);
  ASSERT_EQ(added.size(), 1u);

  EXPECT_TRUE(Printed(*added.begin()));
  const QString job = JobFile(*added.begin());
  ASSERT_TRUE(QFileInfo::exists(job)) << job.toStdString();
  EXPECT_EQ(
      PdfLines(job),
      (QStringList{QStringLiteral("We must incentivize our mission-critical deliverables."),
                   QStringLiteral("Going forward, the team will leverage holistic synergies."),
                   QString(), QStringLiteral("Printed on ") + DateLineDate(kClock)}));
}

TEST_F(CupsServer, EveryPrintIsItsOwnJob) {
  const std::set<int> before = CompletedJobsOnceIdle();
  PrintingWindow window;
  window.Print(QStringLiteral("First printout.\n"));
  window.Print(QStringLiteral("Second printout.\n"));
  const std::set<int> added = NewIds(CompletedJobsOnceIdle(), before);
  ASSERT_EQ(added.size(), 2u);

  const QString firstLines[] = {QStringLiteral("First printout."),
                                QStringLiteral("Second printout.")};
  int i = 0;
  for (const int id : added) {  // ids grow in the order the jobs were sent
    EXPECT_TRUE(Printed(id)) << id;
    const QStringList lines = PdfLines(JobFile(id));
    ASSERT_FALSE(lines.isEmpty()) << id;
    EXPECT_EQ(lines.first(), firstLines[i++]);
    EXPECT_EQ(lines.last(), QStringLiteral("Printed on ") + DateLineDate(kClock));
  }
}

// In print_cups_late_default the server has no default printer until the test chooses one.
class LateDefault : public CupsServer {};

TEST_F(LateDefault, PrintUsesADefaultPrinterChosenAfterStart) {
  PrintingWindow window;
  EXPECT_EQ(window.Print(kBody), QStringLiteral("Unknown VB error."));
  const test::ToolRun choose =
      RunTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("ZeziruPDF")});
  ASSERT_EQ(choose.exitCode, 0) << choose.err.toStdString();
  std::set<int> before = CompletedJobsOnceIdle();
  EXPECT_EQ(window.Print(kBody), kBody);
  EXPECT_EQ(NewIds(CompletedJobsOnceIdle(), before).size(), 1u);

  // Another default, chosen while the program runs, takes the next print.
  const QString other = QStringLiteral("ZeziruOther");
  for (const QStringList& arguments :
       {QStringList{QStringLiteral("-p"), other, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("file:///dev/null")},
        QStringList{QStringLiteral("-d"), other}}) {
    const test::ToolRun admin = RunTool(QStringLiteral("lpadmin"), arguments);
    ASSERT_EQ(admin.exitCode, 0) << admin.err.toStdString();
  }
  before = CompletedJobsOnceIdle();
  EXPECT_EQ(window.Print(kBody), kBody);
  const std::set<int> added = NewIds(CompletedJobsOnceIdle(), before);
  EXPECT_EQ(added.size(), 1u);
  EXPECT_EQ(added, JobIds(QStringLiteral("completed"), other));
}

TEST(NoPrinter, PrintShowsTheDefaultMessage) {
  const QString server = qEnvironmentVariable("CUPS_SERVER");
  ASSERT_TRUE(server.startsWith(QLatin1Char('/')) && !QFileInfo::exists(server))
      << "CUPS_SERVER must name a server socket that does not exist";
  EXPECT_EQ(PrintingWindow().Print(kBody), QStringLiteral("Unknown VB error."));
  // The printer seam itself fails with the printer error number, every time it is asked.
  const auto printer = QtPrinter::ForDefaultPrinter();
  EXPECT_EQ(FailureNumberOf([&] { PrintWithDateLine(kBody, *printer, kClock); }),
            err::kPrinterError);
  EXPECT_EQ(FailureNumberOf([&] { PrintWithDateLine(kBody, *printer, kClock); }),
            err::kPrinterError);
}

}  // namespace
}  // namespace zr
