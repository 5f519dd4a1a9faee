#pragma once

#include <QWidget>

class QToolButton;

namespace zr {

// A two-arrow spinner: the upper arrow reports SpinUp, the lower SpinDown. A held arrow repeats;
// with the keyboard focus, the Up and Down keys press the arrows.
class SpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButton(QWidget* parent = nullptr);

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

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
};

}  // namespace zr
