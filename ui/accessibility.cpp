// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QToolButton>

#include "ui/form1.h"
#include "ui/spin_button.h"

namespace zr {

namespace {

// A plain top-level QWidget reads as a filler; the one window of the program is its frame.
class WindowAccessible final : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

class SpinButtonAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SpinButtonAccessible(SpinButton* spinner)
      : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface)
      return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value)
      return QString::number(spinner()->reading());
    return QAccessibleWidget::text(t);
  }

  QVariant currentValue() const override { return spinner()->reading(); }
  // The size is stepped through a fixed table, never typed in.
  void setCurrentValue(const QVariant& /*value*/) override {}
  QVariant maximumValue() const override { return spinner()->maximum(); }
  QVariant minimumValue() const override { return spinner()->minimum(); }
  QVariant minimumStepSize() const override { return QVariant(); }

  QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
  void doAction(const QString& action) override {
    if (action == increaseAction())
      spinner()->upArrow()->click();
    else if (action == decreaseAction())
      spinner()->downArrow()->click();
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == increaseAction())
      return {QStringLiteral("Up")};
    if (action == decreaseAction())
      return {QStringLiteral("Down")};
    return {};
  }

 private:
  SpinButton* spinner() const { return static_cast<SpinButton*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String(Form1::staticMetaObject.className()))
    return new WindowAccessible(static_cast<QWidget*>(object));
  if (className == QLatin1String(SpinButton::staticMetaObject.className()))
    return new SpinButtonAccessible(static_cast<SpinButton*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace zr
