// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class QToolButton;

namespace zr {

// A two-arrow spinner: the upper arrow reports SpinUp, the lower SpinDown. A held arrow repeats;
// with the keyboard focus, the Up and Down keys press the arrows. It keeps no value of its own; the
// reading is what the window last set, so assistive tools can tell what a step did.
class SpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButton(QWidget* parent = nullptr);

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

  double reading() const { return reading_; }
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  void SetReading(double value);
  void SetRange(double minimum, double maximum);

 signals:
  void SpinUp();
  void SpinDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  double reading_ = 0.0;
  double minimum_ = 0.0;
  double maximum_ = 0.0;
};

}  // namespace zr
