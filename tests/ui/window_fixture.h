// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <memory>

#include "core/zintok1.h"
#include "runtime/files.h"
#include "runtime/random.h"
#include "tests/support/data_dir.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_printer.h"
#include "ui/form1.h"
#include "ui/services.h"

namespace zr::test {

// A fresh data directory that holds a valid set of 30 records a file, and the services the
// handlers reach it through.
class HandlerTest : public testing::Test, protected Workspace {
 protected:
  void SetUp() override { dir.WriteUniformSet(30); }
  Services services() { return {files, random, clock, printer}; }

  test::SeededRandom random{1};
  FixedClock clock{std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000)};
  RecordingPrinter printer;
};

// The window over that directory, loaded and shown. Tests find its controls as a user does: by
// the name the window gives them, an option by its caption.
class WindowTest : public HandlerTest {
 protected:
  void SetUp() override {
    HandlerTest::SetUp();
    form = std::make_unique<Form1>(state, services());
    form->Load();
    form->show();
    form->activateWindow();
    QApplication::processEvents();
  }

  template <typename Control = QWidget>
  Control* Find(const char* name) const {
    auto* control = form->findChild<Control*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QList<QRadioButton*> Options() const { return form->findChildren<QRadioButton*>(); }
  QRadioButton* Option(const QString& caption) const {
    for (QRadioButton* option : Options()) {
      if (option->text() == caption)
        return option;
    }
    ADD_FAILURE() << "no option " << caption.toStdString();
    return nullptr;
  }
  QPlainTextEdit* TextBox() const { return Find<QPlainTextEdit>("Text1"); }

  QColor TextColour() const { return TextBox()->palette().color(QPalette::Text); }
  QColor NormalTextColour() const { return QApplication::palette(TextBox()).color(QPalette::Text); }
  float TextSize() const { return static_cast<float>(TextBox()->font().pointSizeF()); }
  QString Text() const { return TextBox()->toPlainText(); }
  bool ShowsError() const { return TextColour() == QColor(255, 0, 0) && TextSize() == 11.0f; }

  std::unique_ptr<Form1> form;
};

}  // namespace zr::test
