// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

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
#include <filesystem>

#include "ui/colours.h"
#include "ui/spin_button.h"
#include "window_fixture.h"

namespace zr {
namespace {

using test::WindowTest;

constexpr const char* kUnknown = test::kDefaultErrorMessage;

struct Place {
  const char* tag;
  QRect pixels;  // the layout's twips at 15 twips a pixel, each edge rounded
};

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThemAt96Dpi) {
  EXPECT_EQ(form->size(), QSize(545, 416));  // 8172 x 6240 twips
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const std::vector<std::pair<QWidget*, Place>> rows = {
      {Find("Label2"), {"Label2", {88, 4, 373, 30}}},                     // 1320, 60, 5592, 444
      {Option("Executive"), {"Executive", {8, 47, 114, 20}}},             // 120, 700, 1716, 312
      {Option("Marketing andSales"), {"Marketing", {219, 47, 142, 20}}},  // 3291, 700, 2124, 312
      {Option("Technical"), {"Technical", {458, 47, 81, 20}}},            // 6870, 700, 1212, 312
      {Option("Financial"), {"Financial", {8, 66, 114, 21}}},             // 120, 996, 1716, 312
      {Option("Personnel"), {"Personnel", {219, 66, 115, 21}}},           // 3291, 996, 1716, 312
      {Find("Command1"), {"Command1", {8, 95, 89, 25}}},                  // 120, 1428, 1332, 372
      {Find("Command2"), {"Command2", {122, 95, 300, 25}}},               // 1824, 1428, 4512, 372
      {Find("SpinButton1"), {"SpinButton1", {441, 95, 27, 25}}},          // 6612, 1428, 408, 372
      {Find("Label4"), {"Label4", {473, 101, 57, 17}}},                   // 7100, 1512, 852, 252
      {TextBox(), {"Text1", {8, 136, 529, 222}}},                         // 120, 2040, 7932, 3324
      {Find("Label1"), {"Label1", {127, 374, 289, 16}}},                  // 1908, 5604, 4332, 252
      {Find("Label3"), {"Label3", {127, 390, 289, 17}}},                  // 1908, 5856, 4332, 252
  };
  EXPECT_EQ(static_cast<std::size_t>(Options().size()), kDepartments.size());
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
      {Find("Label2"), "Zeziru Ridaz", 19.8, true, true},
      {Option("Executive"), "Executive", 7.8, true, false},
      {Option("Financial"), "Financial", 7.8, true, false},
      {Option("Marketing andSales"), "Marketing andSales", 7.8, true, false},
      {Option("Personnel"), "Personnel", 7.8, true, false},
      {Option("Technical"), "Technical", 7.8, true, false},
      {Find("Command1"), "Print", 9, true, false},
      {Find("Command2"), "Raveri Zezedovaz", 10.8, true, false},
      {Find("Label4"), "Font Size", 9, true, false},
      {Find("Label3"), "Email: team@zeziru-ridaz.example", 9.6, true, false},
      {Find("Label1"), QString::fromUtf8("\u00A9 2026 The Zeziru Ridaz team"), 9.6, true, false},
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
  QWidget* title = Find("Label2");
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(title->autoFillBackground());
  EXPECT_EQ(title->palette().color(QPalette::Window), QColor(192, 192, 192));
  for (QLabel* footer : {Find<QLabel>("Label1"), Find<QLabel>("Label3")}) {
    EXPECT_EQ(footer->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_FALSE(footer->autoFillBackground());
    EXPECT_TRUE(footer->alignment() & Qt::AlignHCenter);
  }
  EXPECT_EQ(TextColour(), NormalTextColour());
  // Under a light theme the theme's own colours stand unchanged.
  QWidget* caption = Find("Label4");
  EXPECT_EQ(caption->palette().color(QPalette::WindowText),
            QApplication::palette(caption).color(QPalette::Text));
  for (QRadioButton* option : Options()) {
    EXPECT_EQ(option->palette().color(QPalette::WindowText),
              QApplication::palette(option).color(QPalette::ButtonText));
  }
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
      {"Label4", Find("Label4")->geometry()},
      {"Command1", Find("Command1")->geometry().adjusted(6, 6, -6, -6)},
      {"Command2", Find("Command2")->geometry().adjusted(6, 6, -6, -6)}};
  for (QRadioButton* option : Options()) {
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect text =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    captions.emplace_back("option", text.translated(option->pos()));
  }
  for (const auto& [tag, area] : captions) EXPECT_GE(clearestPixel(area), 4.5) << tag;
}

TEST_F(WindowTest, StartsWithExecutiveSelectedAndAnEmptyFocusedTextBox) {
  for (QRadioButton* option : Options())
    EXPECT_EQ(option->isChecked(), option == Option("Executive")) << option->text().toStdString();
  EXPECT_TRUE(Text().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), TextBox());
  EXPECT_FLOAT_EQ(TextSize(), 9.0f);  // the layout's size, not the size table's
  EXPECT_TRUE(TextBox()->font().italic());
  EXPECT_FALSE(TextBox()->font().bold());
  EXPECT_EQ(state.DeptLetter, 'E');
  EXPECT_EQ(state.FontSizeIndex, 2);
  EXPECT_TRUE(Find("SpinButton1")->isEnabled());
}

TEST_F(WindowTest, OnlyTheGenerateButtonHasATooltip) {
  QWidget* generate = Find("Command2");
  EXPECT_EQ(generate->toolTip(), "Left-click to generate more zintok.");
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    if (widget != generate) {
      EXPECT_TRUE(widget->toolTip().isEmpty()) << widget->metaObject()->className();
    }
  }
}

TEST_F(WindowTest, TabWalksTheControlsThatTakeFocusAndNeverALabel) {
  const std::vector<QWidget*> expected = {Option("Executive"), Find("Command1"), Find("Command2"),
                                          Find("SpinButton1"), TextBox()};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next)
        << QApplication::focusWidget()->metaObject()->className();
  }
  QTest::keyClick(TextBox(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), Find("SpinButton1"));
  EXPECT_TRUE(Text().isEmpty());  // Tab moved the focus instead of typing
}

TEST_F(WindowTest, EnterPressesOnlyTheFocusedButtonAndEscapeNone) {
  auto* generateButton = Find<QPushButton>("Command2");
  QSignalSpy generate(generateButton, &QPushButton::clicked);
  QSignalSpy print(Find<QPushButton>("Command1"), &QPushButton::clicked);
  QTest::keyClick(TextBox(), Qt::Key_Return);
  QTest::keyClick(TextBox(), Qt::Key_Escape);
  for (QWidget* control : {static_cast<QWidget*>(Option("Executive")), Find("SpinButton1")}) {
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
  }
  EXPECT_EQ(generate.count(), 0);
  EXPECT_EQ(print.count(), 0);
  EXPECT_EQ(Text(), "\n");  // Enter in the text box is a line break

  generateButton->setFocus();
  QTest::keyClick(generateButton, Qt::Key_Escape);
  EXPECT_EQ(generate.count(), 0);
  QTest::keyClick(generateButton, Qt::Key_Return);
  EXPECT_EQ(generate.count(), 1);
  EXPECT_EQ(print.count(), 0);
  EXPECT_EQ(Text().count('\n'), 12);
}

TEST_F(WindowTest, LongLinesStayOnOneLineAndScrollSideways) {
  QPlainTextEdit* box = TextBox();
  box->setPlainText(QString(600, 'w'));
  QApplication::processEvents();
  EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(box->document()->lineCount(), 1);
  QScrollBar* bar = box->horizontalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(box->isReadOnly());
}

TEST_F(WindowTest, SpinnerReportsTwoDistinctActionsByMouseAndKeyboard) {
  auto* spinner = Find<SpinButton>("SpinButton1");
  QSignalSpy up(spinner, &SpinButton::SpinUp);
  QSignalSpy down(spinner, &SpinButton::SpinDown);
  QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
  EXPECT_EQ(up.count(), 1);
  QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
  EXPECT_EQ(down.count(), 1);
  spinner->setFocus();
  QTest::keyClick(spinner, Qt::Key_Up);
  QTest::keyClick(spinner, Qt::Key_Down);
  QTest::keyClick(spinner, Qt::Key_Down);
  EXPECT_TRUE(QTest::qWaitFor([&] { return up.count() == 2 && down.count() == 3; }));
  EXPECT_EQ(state.FontSizeIndex, 1);  // 2 -> 3 -> 2 -> 3 -> 2 -> 1
}

TEST_F(WindowTest, SpinnerShowsAFocusFrameOnlyWhileItHasTheKeyboardFocus) {
  QWidget* spinner = Find("SpinButton1");
  const QImage unfocused = spinner->grab().toImage();
  Find("Command2")->setFocus();
  QTest::keyClick(Find("Command2"), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), spinner);
  EXPECT_NE(spinner->grab().toImage(), unfocused);
}

TEST_F(WindowTest, AssistiveToolsSeeTheFrameAndDriveTheOptionsAndTheSpinner) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Zeziru Ridaz");

  // A toggle checks the option without a click; the department follows all the same.
  QAccessible::queryAccessibleInterface(Option("Personnel"))
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_TRUE(Option("Personnel")->isChecked());
  EXPECT_EQ(state.DeptLetter, 'P');
  QTest::mouseClick(Find("Command2"), Qt::LeftButton);
  EXPECT_TRUE(Text().startsWith("P1-"));

  auto* spinButton = Find<SpinButton>("SpinButton1");
  QAccessibleInterface* spinner = QAccessible::queryAccessibleInterface(spinButton);
  EXPECT_EQ(spinner->role(), QAccessible::SpinBox);
  spinner->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_DOUBLE_EQ(spinner->valueInterface()->currentValue().toDouble(), 12.0);
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  QAccessibleInterface* smaller = QAccessible::queryAccessibleInterface(spinButton->downArrow());
  EXPECT_EQ(smaller->text(QAccessible::Name), "Smaller text");
  smaller->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(QTest::qWaitFor([&] { return TextSize() == 9.6f; }));
  EXPECT_FLOAT_EQ(spinner->valueInterface()->currentValue().toFloat(), 9.6f);
}

TEST_F(WindowTest, EveryControlHasAnAccessibleNameAndDescription) {
  auto* spinner = Find<SpinButton>("SpinButton1");
  std::vector<QWidget*> controls = {spinner->upArrow(), spinner->downArrow()};
  for (const char* name :
       {"Text1", "Command1", "Command2", "SpinButton1", "Label1", "Label2", "Label3", "Label4"})
    controls.push_back(Find(name));
  const QList<QRadioButton*> options = Options();
  controls.insert(controls.end(), options.begin(), options.end());
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

// What only the window shows of the handlers: each click reaches its handler, and the text box
// takes what the handler leaves.
TEST_F(WindowTest, ClickingTheSelectedDepartmentRereadsTheCountsFile) {
  QTest::mouseClick(Option("Executive"), Qt::LeftButton);
  EXPECT_EQ(state.PhraseCounts, (std::array<std::int16_t, 3>{30, 30, 30}));
  std::vector<std::string> counts = test::UniformCounts(30);
  counts[0] = "12";
  counts[1] = "13";
  counts[2] = "14";
  dir.WriteCounts(counts);
  QTest::mouseClick(Option("Executive"), Qt::LeftButton);
  EXPECT_EQ(state.PhraseCounts, (std::array<std::int16_t, 3>{12, 13, 14}));
}

TEST_F(WindowTest, AFailureShowsInRedThroughASizeStepUntilTheNextGenerate) {
  std::filesystem::remove(dir.path() / "zintok.dat");
  QTest::mouseClick(Option("Technical"), Qt::LeftButton);
  EXPECT_EQ(Text(), kUnknown);
  EXPECT_TRUE(ShowsError());
  EXPECT_TRUE(Option("Executive")->isChecked()) << "the selection names the department in force";
  QTest::mouseClick(Find<SpinButton>("SpinButton1")->upArrow(), Qt::LeftButton);
  EXPECT_EQ(TextColour(), QColor(255, 0, 0));
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  Find("Command2")->setFocus();
  QTest::mouseClick(Find("Command2"), Qt::LeftButton);
  EXPECT_EQ(TextColour(), NormalTextColour());
  EXPECT_FLOAT_EQ(TextSize(), 12.0f);
  EXPECT_EQ(Text().count('\n'), 12);
  EXPECT_EQ(QApplication::focusWidget(), TextBox());
}

TEST_F(WindowTest, ShowErrorReplacesTheWholeTextWithTheMessageInRedAt11Points) {
  QTest::mouseClick(Find("Command2"), Qt::LeftButton);
  form->ShowError(13);
  EXPECT_EQ(Text(), "Invalid date.");
  EXPECT_TRUE(ShowsError());
}

TEST_F(WindowTest, PrintSendsWhatTheBoxHolds) {
  TextBox()->setPlainText(QStringLiteral("typed by hand\nand a second line"));
  QTest::mouseClick(Find("Command1"), Qt::LeftButton);
  ASSERT_EQ(printer.documents.size(), 1u);
  EXPECT_EQ(printer.documents.front().lines.front().text, Text());
}

}  // namespace
}  // namespace zr
