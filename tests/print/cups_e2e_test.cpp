// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// Printing from the real window's Print button to the default printer of a real CUPS server.
// print_cups_e2e runs inside with_cups.sh, which provides the server, a default queue that keeps
// its job files, ZR_CUPS_SPOOL naming the folder they are kept in, ZR_CUPS_LOG the server's log
// and ZR_CUPS_PID its process. print_no_printer runs the NoPrinter cases against a server socket
// that does not exist; print_cups_lost and print_cups_unsent run the cases that take the queue or
// the server away, or need a server that refuses large documents.

#include <gtest/gtest.h>
#include <signal.h>

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
#include <set>

#include "print/cups_job.h"
#include "print/print_command.h"
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
struct PrintingWindow : test::Workspace {
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

  test::SeededRandom random{1};
  DefaultPrinter printer;
  Form1 form{state, {files, random, kClock, printer}};
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
const QString kUnknown = QString::fromUtf8(test::kDefaultErrorMessage);

// Runs an administration command that must succeed, such as cupsreject or lpadmin.
void Admin(const QString& program, const QStringList& arguments) {
  const test::ToolRun run = RunTool(program, arguments);
  ASSERT_EQ(run.exitCode, 0) << program.toStdString() << ": " << run.err.toStdString();
}

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

struct QueueRow {
  std::string tag;
  QString stop;     // the command that puts the queue into the state
  QString restore;  // the command that undoes it
  bool kept;        // whether the server takes the job (to print once the queue is restored)
};
using test::PrintTo;

class QueueState : public CupsServer, public testing::WithParamInterface<QueueRow> {};

// The server's answer decides: a job it refuses is an error in the window and leaves no job
// behind; a job it takes is printed, even if only once the queue runs again.
TEST_P(QueueState, PrintSucceedsExactlyWhenTheServerTakesTheJob) {
  const QueueRow& row = GetParam();
  const QString queue = QStringLiteral("ZeziruPDF");
  const std::set<int> done = CompletedJobsOnceIdle();
  const std::set<int> before = JobIds(QStringLiteral("all"));
  Admin(row.stop, {queue});
  const QString shown = PrintingWindow().Print(kBody);
  const std::set<int> added = NewIds(JobIds(QStringLiteral("all")), before);
  const std::set<int> waiting = NewIds(JobIds(QStringLiteral("not-completed")), before);
  Admin(row.restore, {queue});

  if (!row.kept) {
    EXPECT_EQ(shown, kUnknown);
    EXPECT_TRUE(added.empty());
    return;
  }
  EXPECT_EQ(shown, kBody);
  ASSERT_EQ(added.size(), 1u);
  EXPECT_EQ(waiting, added) << "the stopped queue holds the job";
  EXPECT_EQ(NewIds(CompletedJobsOnceIdle(), done), added);
  EXPECT_TRUE(Printed(*added.begin()));
}

INSTANTIATE_TEST_SUITE_P(Queues, QueueState,
                         testing::Values(QueueRow{"Rejecting", QStringLiteral("cupsreject"),
                                                  QStringLiteral("cupsaccept"), false},
                                         QueueRow{"StoppedButAccepting",
                                                  QStringLiteral("cupsdisable"),
                                                  QStringLiteral("cupsenable"), true}),
                         test::RowTag{});

// In print_cups_lost the queue, then the whole server, go away while the window is open.
class LostPrinter : public CupsServer {};

TEST_F(LostPrinter, PrintFailsOnceTheQueueOrTheServerIsGone) {
  PrintingWindow window;
  ASSERT_EQ(window.Print(kBody), kBody);
  Admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("ZeziruPDF")});
  EXPECT_EQ(window.Print(kBody), kUnknown);

  const int server = qEnvironmentVariableIntValue("ZR_CUPS_PID");
  ASSERT_GT(server, 0) << "ZR_CUPS_PID is not set: run this under with_cups.sh";
  ASSERT_EQ(kill(server, SIGTERM), 0);
  QDeadlineTimer deadline(std::chrono::seconds(30));
  while (RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")})
             .out.contains(QStringLiteral("is running"))) {
    ASSERT_FALSE(deadline.hasExpired()) << "the server did not stop";
    QThread::msleep(100);
  }
  EXPECT_EQ(window.Print(kBody), kUnknown);
}

// In print_cups_unsent the server refuses any request over 64 KiB: it creates the job, then
// refuses the document.
class UnsentDocument : public CupsServer {};

TEST_F(UnsentDocument, FailsAndLeavesNoJobQueued) {
  QString body;
  for (int i = 1; i <= 2000; ++i)
    body += QStringLiteral("Line %1 of a document too large for this server\n").arg(i);
  const std::set<int> before = JobIds(QStringLiteral("all"));
  EXPECT_EQ(PrintingWindow().Print(body), kUnknown);
  const std::set<int> added = NewIds(JobIds(QStringLiteral("all")), before);
  ASSERT_EQ(added.size(), 1u) << "the server created the job";
  EXPECT_TRUE(NewIds(JobIds(QStringLiteral("not-completed")), before).empty())
      << "the job was cancelled";
  EXPECT_FALSE(Printed(*added.begin()));
}

// In print_cups_late_default the server has no default printer until the test chooses one.
class LateDefault : public CupsServer {};

TEST_F(LateDefault, PrintUsesADefaultPrinterChosenAfterStart) {
  PrintingWindow window;
  EXPECT_EQ(window.Print(kBody), kUnknown);
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
  EXPECT_EQ(PrintingWindow().Print(kBody), kUnknown);
  // The printer seam itself fails with the printer error number, every time it is asked.
  DefaultPrinter printer;
  EXPECT_EQ(FailureNumberOf([&] { printer.Print(PrintoutWithDateLine(kBody, kClock)); }),
            err::kPrinterError);
  EXPECT_EQ(FailureNumberOf([&] { printer.Print(PrintoutWithDateLine(kBody, kClock)); }),
            err::kPrinterError);
}

}  // namespace
}  // namespace zr
