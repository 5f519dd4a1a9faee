#include "ui/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

#include "ui/colours.h"
#include "ui/spin_button.h"
#include "window_fixture.h"

namespace zr {
namespace {

using test::WindowTest;

struct Place {
  const char* tag;
  QRect pixels;  // the layout's twips at 15 twips a pixel, each edge rounded
};

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThemAt96Dpi) {
  EXPECT_EQ(form->size(), QSize(545, 416));  // 8172 x 6240 twips
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const std::vector<std::pair<QWidget*, Place>> rows = {
      {form->Label2, {"Label2", {88, 4, 373, 30}}},             // 1320, 60, 5592, 444
      {form->Option1[0], {"Executive", {8, 47, 114, 20}}},      // 120, 700, 1716, 312
      {form->Option1[2], {"Marketing", {219, 47, 142, 20}}},    // 3291, 700, 2124, 312
      {form->Option1[4], {"Technical", {458, 47, 81, 20}}},     // 6870, 700, 1212, 312
      {form->Option1[1], {"Financial", {8, 66, 114, 21}}},      // 120, 996, 1716, 312
      {form->Option1[3], {"Personnel", {219, 66, 115, 21}}},    // 3291, 996, 1716, 312
      {form->Command1, {"Command1", {8, 95, 89, 25}}},          // 120, 1428, 1332, 372
      {form->Command2, {"Command2", {122, 95, 300, 25}}},       // 1824, 1428, 4512, 372
      {form->SpinButton1, {"SpinButton1", {441, 95, 27, 25}}},  // 6612, 1428, 408, 372
      {form->Label4, {"Label4", {473, 101, 57, 17}}},           // 7100, 1512, 852, 252
      {form->Text1, {"Text1", {8, 136, 529, 222}}},             // 120, 2040, 7932, 3324
      {form->Label1, {"Label1", {127, 374, 289, 16}}},          // 1908, 5604, 4332, 252
      {form->Label3, {"Label3", {127, 390, 289, 17}}},          // 1908, 5856, 4332, 252
  };
  for (const auto& [widget, place] : rows) {
    EXPECT_EQ(widget->geometry(), place.pixels) << place.tag;
    for (const auto& [other, otherPlace] : rows) {
      // The two rows of option buttons overlap by 16 twips in the layout itself: one pixel.
      const QRect overlap = widget->geometry().intersected(other->geometry());
      if (other != widget) {
        EXPECT_TRUE(overlap.isEmpty() || overlap.height() <= 1)
            << place.tag << " overlaps " << otherPlace.tag;
      }
    }
  }
}

struct Look {
  QWidget* widget;
  QString caption;
  qreal points;
  bool bold;
  bool italic;
};

TEST_F(WindowTest, CaptionsAndFonts) {
  const auto caption = [](QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
      return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      return button->text();
    return QString();
  };
  const std::vector<Look> rows = {
      {form->Label2, "Zeziru Ridaz", 19.8, true, true},
      {form->Option1[0], "Executive", 7.8, true, false},
      {form->Option1[1], "Financial", 7.8, true, false},
      {form->Option1[2], "Marketing andSales", 7.8, true, false},
      {form->Option1[3], "Personnel", 7.8, true, false},
      {form->Option1[4], "Technical", 7.8, true, false},
      {form->Command1, "Print", 9, true, false},
      {form->Command2, "Raveri Zezedovaz", 10.8, true, false},
      {form->Label4, "Font Size", 9, true, false},
      {form->Label3, "Email: team@zeziru-ridaz.example", 9.6, true, false},
      {form->Label1, QString::fromUtf8("\u00A9 2026 The Zeziru Ridaz team"), 9.6, true, false},
  };
  for (const Look& row : rows) {
    EXPECT_EQ(caption(row.widget), row.caption);
    EXPECT_EQ(row.widget->font().family(), "Arial") << row.caption.toStdString();
    EXPECT_DOUBLE_EQ(row.widget->font().pointSizeF(), row.points) << row.caption.toStdString();
    EXPECT_EQ(row.widget->font().bold(), row.bold) << row.caption.toStdString();
    EXPECT_EQ(row.widget->font().italic(), row.italic) << row.caption.toStdString();
    EXPECT_FALSE(row.widget->font().underline() || row.widget->font().strikeOut());
  }
  EXPECT_EQ(form->windowTitle(), "Zeziru Ridaz");
  EXPECT_FALSE(form->windowIcon().isNull());
  EXPECT_EQ(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_TRUE(form->windowIcon().pixmap(32, 32).hasAlphaChannel());
}

TEST_F(WindowTest, Colours) {
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(form->Label2->autoFillBackground());
  EXPECT_EQ(form->Label2->palette().color(QPalette::Window), QColor(192, 192, 192));
  for (QLabel* footer : {form->Label1, form->Label3}) {
    EXPECT_EQ(footer->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_FALSE(footer->autoFillBackground());
    EXPECT_TRUE(footer->alignment() & Qt::AlignHCenter);
  }
  EXPECT_EQ(TextColour(), NormalTextColour());
  // Under a light theme the theme's own colours stand unchanged.
  EXPECT_EQ(form->Label4->palette().color(QPalette::WindowText),
            QApplication::palette(form->Label4).color(QPalette::Text));
  EXPECT_EQ(form->Option1[0]->palette().color(QPalette::WindowText),
            QApplication::palette(form->Option1[0]).color(QPalette::ButtonText));
}

TEST_F(WindowTest, CaptionsOnTheGreyStayReadableUnderADarkTheme) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
    dark.setColor(role, QColor(45, 45, 45));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(238, 238, 238));
  QApplication::setPalette(dark);
  QApplication::processEvents();
  const QImage shot = form->grab().toImage();
  QApplication::setPalette(light);

  const QColor grey(192, 192, 192);
  const auto clearestPixel = [&](QRect area) {
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        best = std::max(best, ContrastRatio(shot.pixelColor(x, y), grey));
    return best;
  };
  std::vector<std::pair<const char*, QRect>> captions = {
      {"Label4", form->Label4->geometry()},
      {"Command1", form->Command1->geometry().adjusted(6, 6, -6, -6)},
      {"Command2", form->Command2->geometry().adjusted(6, 6, -6, -6)}};
  for (QRadioButton* option : form->Option1) {
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect text =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    captions.emplace_back("option", text.translated(option->pos()));
  }
  for (const auto& [tag, area] : captions) EXPECT_GE(clearestPixel(area), 4.5) << tag;
}

TEST_F(WindowTest, StartsWithExecutiveSelectedAndAnEmptyFocusedTextBox) {
  EXPECT_TRUE(form->Option1[0]->isChecked());
  for (std::size_t i = 1; i < 5; ++i) EXPECT_FALSE(form->Option1[i]->isChecked());
  EXPECT_TRUE(Text().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), form->Text1);
  EXPECT_FLOAT_EQ(TextSize(), 9.0f);  // the layout's size, not the size table's
  EXPECT_TRUE(form->Text1->font().italic());
  EXPECT_FALSE(form->Text1->font().bold());
  EXPECT_EQ(state.DeptLetter, 'E');
  EXPECT_EQ(state.FontSizeIndex, 2);
  EXPECT_TRUE(form->SpinButton1->isEnabled());
}

TEST_F(WindowTest, OnlyTheGenerateButtonHasATooltip) {
  EXPECT_EQ(form->Command2->toolTip(), "Left-click to generate more zintok.");
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    if (widget != form->Command2) {
      EXPECT_TRUE(widget->toolTip().isEmpty()) << widget->metaObject()->className();
    }
  }
}

TEST_F(WindowTest, TabWalksTheControlsThatTakeFocusAndNeverALabel) {
  const std::vector<QWidget*> expected = {form->Option1[0], form->Command1, form->Command2,
                                          form->SpinButton1, form->Text1};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next)
        << QApplication::focusWidget()->metaObject()->className();
  }
  QTest::keyClick(form->Text1, Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), form->SpinButton1);
  EXPECT_TRUE(Text().isEmpty());  // Tab moved the focus instead of typing
}

TEST_F(WindowTest, EnterPressesOnlyTheFocusedButtonAndEscapeNone) {
  QSignalSpy generate(form->Command2, &QPushButton::clicked);
  QSignalSpy print(form->Command1, &QPushButton::clicked);
  QTest::keyClick(form->Text1, Qt::Key_Return);
  QTest::keyClick(form->Text1, Qt::Key_Escape);
  form->Option1[0]->setFocus();
  QTest::keyClick(form->Option1[0], Qt::Key_Return);
  form->SpinButton1->setFocus();
  QTest::keyClick(form->SpinButton1, Qt::Key_Return);
  EXPECT_EQ(generate.count(), 0);
  EXPECT_EQ(print.count(), 0);
  EXPECT_EQ(Text(), "\n");  // Enter in the text box is a line break

  form->Command2->setFocus();
  QTest::keyClick(form->Command2, Qt::Key_Escape);
  EXPECT_EQ(generate.count(), 0);
  QTest::keyClick(form->Command2, Qt::Key_Return);
  EXPECT_EQ(generate.count(), 1);
  EXPECT_EQ(print.count(), 0);
  EXPECT_EQ(Text().count('\n'), 12);
}

TEST_F(WindowTest, LongLinesStayOnOneLineAndScrollSideways) {
  form->Text1->setPlainText(QString(600, 'w'));
  QApplication::processEvents();
  EXPECT_EQ(form->Text1->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(form->Text1->document()->lineCount(), 1);
  QScrollBar* bar = form->Text1->horizontalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(form->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(form->Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(form->Text1->isReadOnly());
}

TEST_F(WindowTest, SpinnerReportsTwoDistinctActionsByMouseAndKeyboard) {
  QSignalSpy up(form->SpinButton1, &SpinButton::SpinUp);
  QSignalSpy down(form->SpinButton1, &SpinButton::SpinDown);
  QTest::mouseClick(form->SpinButton1->upArrow(), Qt::LeftButton);
  EXPECT_EQ(up.count(), 1);
  QTest::mouseClick(form->SpinButton1->downArrow(), Qt::LeftButton);
  EXPECT_EQ(down.count(), 1);
  form->SpinButton1->setFocus();
  QTest::keyClick(form->SpinButton1, Qt::Key_Up);
  QTest::keyClick(form->SpinButton1, Qt::Key_Down);
  QTest::keyClick(form->SpinButton1, Qt::Key_Down);
  EXPECT_TRUE(QTest::qWaitFor([&] { return up.count() == 2 && down.count() == 3; }));
  EXPECT_EQ(state.FontSizeIndex, 1);  // 2 -> 3 -> 2 -> 3 -> 2 -> 1
}

TEST_F(WindowTest, SpinnerShowsAFocusFrameOnlyWhileItHasTheKeyboardFocus) {
  const QImage unfocused = form->SpinButton1->grab().toImage();
  form->Command2->setFocus();
  QTest::keyClick(form->Command2, Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), form->SpinButton1);
  EXPECT_NE(form->SpinButton1->grab().toImage(), unfocused);
}

TEST_F(WindowTest, AssistiveToolsSeeTheFrameAndDriveTheOptionsAndTheSpinner) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Zeziru Ridaz");

  // A toggle checks the option without a click; the department follows all the same.
  QAccessible::queryAccessibleInterface(form->Option1[3])
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_TRUE(form->Option1[3]->isChecked());
  EXPECT_EQ(state.DeptLetter, 'P');
  QTest::mouseClick(form->Command2, Qt::LeftButton);
  EXPECT_TRUE(Text().startsWith("P1-"));

  QAccessibleInterface* spinner = QAccessible::queryAccessibleInterface(form->SpinButton1);
  EXPECT_EQ(spinner->role(), QAccessible::SpinBox);
  spinner->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_DOUBLE_EQ(spinner->valueInterface()->currentValue().toDouble(), 12.0);
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  QAccessibleInterface* smaller =
      QAccessible::queryAccessibleInterface(form->SpinButton1->downArrow());
  EXPECT_EQ(smaller->text(QAccessible::Name), "Smaller text");
  smaller->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return TextSize() == 9.6f; }));
  EXPECT_FLOAT_EQ(spinner->valueInterface()->currentValue().toFloat(), 9.6f);
}

TEST_F(WindowTest, EveryControlHasAnAccessibleNameAndDescription) {
  std::vector<QWidget*> controls = {form->Text1,
                                    form->Command1,
                                    form->Command2,
                                    form->SpinButton1,
                                    form->SpinButton1->upArrow(),
                                    form->SpinButton1->downArrow(),
                                    form->Label1,
                                    form->Label2,
                                    form->Label3,
                                    form->Label4};
  controls.insert(controls.end(), form->Option1.begin(), form->Option1.end());
  for (QWidget* control : controls) {
    const QString name =
        control->accessibleName().isEmpty() && qobject_cast<QAbstractButton*>(control)
            ? qobject_cast<QAbstractButton*>(control)->text()
            : control->accessibleName();
    const QString labelText =
        qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text() : QString();
    EXPECT_FALSE(name.isEmpty() && labelText.isEmpty()) << control->metaObject()->className();
    EXPECT_FALSE(control->accessibleDescription().isEmpty()) << control->metaObject()->className();
  }
}

}  // namespace
}  // namespace zr
