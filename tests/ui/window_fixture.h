#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <memory>

#include "core/zintok1.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_printer.h"
#include "ui/form1.h"

namespace zr::test {

// A loaded, shown window over a fresh data directory that holds a valid set of 30 records a file.
class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    dir.WriteUniformSet(30);
    form = std::make_unique<Form1>(state, Services{files, random, clock, printer});
    form->Load();
    form->show();
    form->activateWindow();
    QApplication::processEvents();
  }

  QColor TextColour() const { return form->Text1->palette().color(QPalette::Text); }
  QColor NormalTextColour() const {
    return QApplication::palette(form->Text1).color(QPalette::Text);
  }
  float TextSize() const { return static_cast<float>(form->Text1->font().pointSizeF()); }
  QString Text() const { return form->Text1->toPlainText(); }

  DataDir dir;
  FileTable files{dir.path()};
  SeededRandom random{1};
  FixedClock clock{std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000)};
  RecordingPrinter printer;
  ZINTOK1 state;
  std::unique_ptr<Form1> form;
};

}  // namespace zr::test
