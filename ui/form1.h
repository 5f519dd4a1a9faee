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

// The program's one window. It builds the controls, wires each to its handler and shows what the
// handlers leave; what the handlers do lives in Controller.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  Form1(ZINTOK1& state, Services services, QWidget* parent = nullptr);

  // Start-up, before the window is first shown. Not guarded: a failure propagates to the caller.
  void Load();

  // Replaces the whole text of Text1 with the message for the number, in red at 11 points.
  void ShowError(std::int16_t errNumber);

  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  std::array<QRadioButton*, 5> Option1{};
  SpinButton* SpinButton1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private slots:
  void Option1_Pressed();
  void Option1_Toggled(int index, bool checked);
  void Option1_Clicked(int index);
  void Command1_Click();

 private:
  void CreateControls();
  void SetTabOrder();
  void ApplyColours();
  void CentreOnScreen();
  void DepartmentClick(int index);
  void Show(const TextBoxChange& change);
  void SetTextSize(float points);

  QButtonGroup* option1Group_ = nullptr;
  Controller controller_;
  // Set while a department click runs, so that re-selecting the option of the department in force
  // is not taken for another click.
  bool inDepartmentClick_ = false;
  // An option checked by a click was handled when it became checked; a click on the option that
  // is already checked still reads the counts file again.
  bool toggledSincePress_ = false;
  // Theme colours are applied anew on a palette change once the controls exist.
  bool followTheme_ = false;
  // The window is centred again once its frame is known.
  bool centreWithFrame_ = false;
};

}  // namespace zr
