// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/spin_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

namespace zr {

namespace {
QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name,
                       const QString& description) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  // The spinner itself takes the focus, so Tab stops once and the arrow keys work.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAccessibleName(name);
  button->setAccessibleDescription(description);
  return button;
}
}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, Qt::UpArrow, tr("Larger text"), tr("Steps the text size up"))),
      down_(MakeArrow(this, Qt::DownArrow, tr("Smaller text"), tr("Steps the text size down"))) {
  setFocusPolicy(Qt::StrongFocus);
  connect(up_, &QToolButton::clicked, this, &SpinButton::SpinUp);
  connect(down_, &QToolButton::clicked, this, &SpinButton::SpinDown);
}

void SpinButton::SetReading(double value) {
  if (value == reading_)
    return;
  reading_ = value;
  QAccessibleValueChangeEvent event(this, value);
  QAccessible::updateAccessibility(&event);
}

void SpinButton::SetRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      up_->click();
      break;
    case Qt::Key_Down:
      down_->click();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void SpinButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A one-pixel margin around the arrows is where the focus frame shows.
  const QRect inner = rect().adjusted(1, 1, -1, -1);
  const int upperHeight = inner.height() / 2;
  up_->setGeometry(inner.x(), inner.y(), inner.width(), upperHeight);
  down_->setGeometry(inner.x(), inner.y() + upperHeight, inner.width(),
                     inner.height() - upperHeight);
}

void SpinButton::paintEvent(QPaintEvent* /*event*/) {
  if (!hasFocus())
    return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void SpinButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace zr
