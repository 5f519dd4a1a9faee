// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "core/phrase_store.h"
#include "core/zintok1.h"
#include "ui/controller.h"
#include "ui/services.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zr {

class SpinButton;

// The program's one window. It builds the controls, wires each to its handler and shows what the
// handlers leave; what the handlers do lives in Controller. Each control carries its name as its
// object name ("Text1", "Command2", ...), so tests and tools find it as a user would.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  Form1(ZINTOK1& state, Services services, QWidget* parent = nullptr);

  // Start-up, before the window is first shown. Not guarded: a failure propagates to the caller.
  void Load();

  // Replaces the whole text of Text1 with the message for the number, in red at 11 points.
  void ShowError(std::int16_t errNumber);

 signals:
  // The window manager's frame around the window is known: it moved or was shown with one.
  void FrameKnown();

 protected:
  bool event(QEvent* event) override;

 private slots:
  void OptionPressed();
  void OptionToggled(int index, bool checked);
  void OptionClicked(int index);
  void GenerateText();
  void PrintText();
  void EnlargeText();
  void ShrinkText();

 private:
  void CreateControls();
  void SetTabOrder();
  void ApplyColours();
  void CentreOnScreen();
  void ChooseDepartment(int index);
  void Show(const TextBoxChange& change);
  void SetTextSize(float points);

  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  std::array<QRadioButton*, kDepartments.size()> Option1{};
  QButtonGroup* option1Group_ = nullptr;
  SpinButton* SpinButton1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  Controller controller_;
  // The option that was checked when the last press on an option began.
  int checkedAtPress_ = 0;
};

}  // namespace zr
