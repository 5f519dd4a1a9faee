// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QIODevice>
#include <QString>
#include <utility>
#include <vector>

namespace zr {

// IPP job attributes by name and value, such as {"media", "iso_a4_210x297mm"}.
using JobOptions = std::vector<std::pair<QByteArray, QByteArray>>;

// Sends the PDF document as one job to a queue of the CUPS server the environment names, and
// checks the server's answer to every step: creating the job, sending the document, ending it.
// Any refusal (the queue rejects jobs or is gone, the server is gone, the document cannot be
// sent) fails with err::kPrinterError, after cancelling a job already created, so that no half-sent
// job stays queued. A queue that is stopped but accepting keeps the job, as CUPS intends.
void SendToCups(const QString& queue, const QString& title, const JobOptions& options,
                QIODevice& pdf);

}  // namespace zr
