// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#include "core/zintok1.h"
#include "print/cups_job.h"
#include "runtime/failure.h"
#include "ui/form1.h"
#include "ui/platform_check.h"

namespace {

constexpr const char* kCannotOpen = "zeziru-ridaz: cannot open a window: ";

// The platform Qt is asked for and the plugins it can find: its own folder and those the
// environment adds.
zr::PlatformSetting ReadPlatformSetting(int argc, char* argv[]) {
  zr::PlatformSetting setting{qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
                              qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                              qEnvironmentVariable("DISPLAY").toStdString(),
                              {}};
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
      setting.platform = argv[i + 1];
  }
  QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"),
                      qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
  for (const QString& path :
       qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
    folders << path + QStringLiteral("/platforms");
  for (const QString& folder : folders) {
    for (std::string& name : zr::PlatformPluginsIn(folder.toStdString()))
      setting.plugins.push_back(std::move(name));
  }
  return setting;
}

// Qt's messages while QApplication starts, held back: if no platform starts after all (a display
// that does not answer), the first of them says best what is missing.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
std::vector<HeldMessage> heldMessages;

// Ends a failed start with one line and status 1 instead of Qt's abort.
void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    std::cerr << kCannotOpen
              << (heldMessages.empty() ? QStringLiteral("no Qt platform plugin could start")
                                       : heldMessages.front().text)
                     .toStdString()
              << '\n';
    std::_Exit(1);
  }
  heldMessages.push_back({type, context.category, message});
}

}  // namespace

// The program reads its data files from the current directory and takes no options of its own.
int main(int argc, char* argv[]) {
  // Standard error may be a pipe nobody reads any more (a launcher that closed its end): a report
  // that cannot be written is lost, not a reason to end.
  std::signal(SIGPIPE, SIG_IGN);
  if (const std::string why = zr::WhyNoWindow(ReadPlatformSetting(argc, argv)); !why.empty()) {
    std::cerr << kCannotOpen << why << '\n';
    return 1;
  }
  const QtMessageHandler previousHandler = qInstallMessageHandler(HoldOrExit);
  QApplication app(argc, argv);
  qInstallMessageHandler(previousHandler);
  // The window would map black and crash at its first paint: refused like a display that is
  // missing, and on one line, so Qt's held messages are dropped.
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
    if (const std::string why = zr::WhyNoPainting(screen->depth()); !why.empty()) {
      std::cerr << kCannotOpen << why << '\n';
      return 1;
    }
  }
  for (const HeldMessage& held : heldMessages)
    previousHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()),
                    held.text);
  heldMessages.clear();
  QApplication::setApplicationName(QStringLiteral("Zeziru Ridaz"));
  QApplication::setDesktopFileName(QStringLiteral("org.zeziruridaz.ZeziruRidaz"));

  zr::ZINTOK1 state;
  zr::FileTable files(".");
  zr::SystemClock clock;
  zr::ClockSeededRandom random(clock);
  zr::DefaultPrinter printer;
  zr::Form1 window(state, {files, random, clock, printer});

  try {
    window.Load();
  } catch (const zr::Failure& failure) {
    // Start-up has no error display to fall back on: report the failure and end.
    const QString report = QStringLiteral("Run-time error '%1':\n\n%2")
                               .arg(failure.number())
                               .arg(QString::fromUtf8(zr::DescribeFailureNumber(failure.number())));
    std::cerr << report.toStdString() << "\n(" << failure.what() << ")\n";
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zeziru Ridaz"), report, QMessageBox::Ok);
    box.setInformativeText(
        QStringLiteral("%1\n\nThe data files are read from the folder the program starts in: %2")
            .arg(QString::fromUtf8(failure.what()), QDir::currentPath()));
    box.exec();
    return 1;
  }
  window.show();
  return QApplication::exec();
}
