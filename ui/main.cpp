#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <iostream>

#include "core/zintok1.h"
#include "print/qt_printer.h"
#include "runtime/failure.h"
#include "ui/form1.h"

// The program reads its data files from the current directory and takes no options of its own.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zeziru Ridaz"));
  QApplication::setDesktopFileName(QStringLiteral("org.zeziruridaz.ZeziruRidaz"));

  zr::ZINTOK1 state;
  zr::FileTable files(".");
  zr::ClockSeededRandom random;
  zr::SystemClock clock;
  const auto printer = zr::QtPrinter::ForDefaultPrinter();
  zr::Form1 window(state, {files, random, clock, *printer});

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
