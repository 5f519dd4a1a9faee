#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

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

// The program's one window. It builds the controls and wires each to its handler; what the
// handlers do lives in Controller.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  Form1(ZINTOK1& state, Services services, QWidget* parent = nullptr);

  // Start-up, before the window is first shown. Not guarded: a failure propagates to the caller.
  void Load();

  // The controls, named as the layout names them.
  QPlainTextEdit* Text1;
  QPushButton* Command1;
  QPushButton* Command2;
  std::array<QRadioButton*, 5> Option1;
  SpinButton* SpinButton1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;

 private slots:
  void Option1_Click(int index);
  void Command1_Click();
  void Command2_Click();
  void SpinButton1_SpinDown();
  void SpinButton1_SpinUp();

 private:
  void CreateControls();
  void SetTabOrder();

  ZINTOK1& state_;
  QButtonGroup* option1Group_;
  Controller controller_;
};

}  // namespace zr
