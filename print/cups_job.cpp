// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "print/cups_job.h"

#include <cups/cups.h>

#include <QByteArray>
#include <QDir>
#include <QIODevice>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "print/layout.h"
#include "runtime/failure.h"

namespace zr {

namespace {

// Every request goes over libcups' own connection to the server the environment names.
http_t* const kServer = nullptr;

// IPP job attributes by name and value, such as {"media", "iso_a4_210x297mm"}.
using JobOptions = std::vector<std::pair<QByteArray, QByteArray>>;

[[noreturn]] void Refused(const char* step) {
  throw Failure(err::kPrinterError, std::string(step) + ": " + cupsLastErrorString());
}

// The options as libcups takes them, freed on every path.
class CupsOptions {
 public:
  explicit CupsOptions(const JobOptions& options) {
    for (const auto& [name, value] : options)
      count_ = cupsAddOption(name.constData(), value.constData(), count_, &options_);
  }
  ~CupsOptions() { cupsFreeOptions(count_, options_); }
  CupsOptions(const CupsOptions&) = delete;
  CupsOptions& operator=(const CupsOptions&) = delete;

  int count() const { return count_; }
  cups_option_t* get() const { return options_; }

 private:
  int count_ = 0;
  cups_option_t* options_ = nullptr;
};

// A created job that is cancelled unless it was handed over whole.
class PendingJob {
 public:
  PendingJob(const QByteArray& queue, int id) : queue_(queue), id_(id) {}
  ~PendingJob() {
    // Best effort: a server that has gone cannot be told, and keeps an unfinished job only until
    // its own time limit for the missing document.
    if (id_ != 0)
      cupsCancelJob2(kServer, queue_.constData(), id_, 0);
  }
  PendingJob(const PendingJob&) = delete;
  PendingJob& operator=(const PendingJob&) = delete;

  int id() const { return id_; }
  void HandedOver() { id_ = 0; }

 private:
  QByteArray queue_;
  int id_;
};

// Sends the PDF document as one job to the queue, and cancels it unless the server took it whole.
void SendToCups(const QString& queue, const QString& title, const JobOptions& options,
                QIODevice& pdf) {
  const QByteArray name = queue.toUtf8();
  const QByteArray jobTitle = title.toUtf8();
  const CupsOptions cupsOptions(options);
  PendingJob job(name, cupsCreateJob(kServer, name.constData(), jobTitle.constData(),
                                     cupsOptions.count(), cupsOptions.get()));
  if (job.id() == 0)
    Refused("the print server did not create the job");

  if (cupsStartDocument(kServer, name.constData(), job.id(), jobTitle.constData(), CUPS_FORMAT_PDF,
                        1) != HTTP_STATUS_CONTINUE)
    Refused("the print server did not take the document");
  // The document streams in pieces: a long text makes a PDF far too large to hold twice.
  std::array<char, 64 * 1024> buffer;
  bool sent = true;
  qint64 size = 0;
  while (sent && (size = pdf.read(buffer.data(), buffer.size())) > 0)
    sent = cupsWriteRequestData(kServer, buffer.data(), static_cast<std::size_t>(size)) ==
           HTTP_STATUS_CONTINUE;
  // The request is ended in every case, so the connection can carry the cancellation.
  const ipp_status_t answer = cupsFinishDocument(kServer, name.constData());
  if (size < 0)
    throw Failure(err::kPrinterError, "cannot read the rendered document");
  if (!sent || answer > IPP_STATUS_OK_EVENTS_COMPLETE)
    Refused("the print server did not accept the document");
  job.HandedOver();
}

// What Qt's own submission would ask of the queue: the paper, the sides and the orientation.
JobOptions OptionsOf(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const bool landscape = layout.orientation() == QPageLayout::Landscape;
  JobOptions options{{"media", layout.pageSize().key().toUtf8()}};
  switch (printer.duplex()) {
    case QPrinter::DuplexNone:
      options.emplace_back("sides", "one-sided");
      break;
    case QPrinter::DuplexAuto:
      options.emplace_back("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge");
      break;
    case QPrinter::DuplexLongSide:
      options.emplace_back("sides", "two-sided-long-edge");
      break;
    case QPrinter::DuplexShortSide:
      options.emplace_back("sides", "two-sided-short-edge");
      break;
  }
  if (landscape)
    options.emplace_back("landscape", "");
  return options;
}

}  // namespace

void DefaultPrinter::Print(const Document& document) {
  if (document.lines.empty())
    return;
  // Looked up for every document, so a default printer set up while the program runs is found.
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull() || info.printerName().isEmpty())
    throw Failure(err::kPrinterError, "no default printer");
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(info.printerName());
  // Qt's own submission to a queue drops the print server's answer: Qt renders the job into this
  // file instead, and SendToCups sends it and checks every answer.
  QTemporaryFile job(QDir::tempPath() + QStringLiteral("/zeziru-ridaz-XXXXXX"));
  if (!job.open())
    throw Failure(err::kPrinterError, "cannot make the file for the print job");
  // A name without ".pdf" keeps the queue's own print engine, its paper and its margins.
  printer.setOutputFileName(job.fileName());
  LayOut(document, printer);
  // Jobs go to the queue itself; an instance ("queue/instance") only names saved options.
  SendToCups(info.printerName().section(QLatin1Char('/'), 0, 0), printer.docName(),
             OptionsOf(printer), job);
}

}  // namespace zr
