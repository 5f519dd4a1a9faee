// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "core/phrase_store.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/error_display.h"
#include "ui/spin_button.h"
#include "ui/twips.h"

namespace zr {

namespace {

constexpr int kClientWidthTwips = 8172;
constexpr int kClientHeightTwips = 6240;

QFont ArialFont(qreal points, bool bold, bool italic = false) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                  const QFont& font, Qt::Alignment alignment) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QFont& font) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setFont(font);
  return button;
}

}  // namespace

Form1::Form1(ZINTOK1& state, Services services, QWidget* parent)
    : QWidget(parent), controller_(state, services) {
  // Children are made here rather than in the initialiser list: each one sends this window an
  // event, which must find every member already initialised.
  Text1 = new QPlainTextEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  option1Group_ = new QButtonGroup(this);
  InstallAccessibleInterfaces();
  setWindowTitle(QStringLiteral("Zeziru Ridaz"));
  // Read as XPM outright: left to guess, Qt loads every image format plugin to ask it first.
  QImageReader icon(QStringLiteral(":/zeziru-ridaz.xpm"), "xpm");
  icon.setAutoDetectImageFormat(false);
  setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
  // A fixed layout: no resizing and no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  setAutoFillBackground(true);
  // The text box takes its own font before the window's: inheriting the window's first would lay
  // it out once more in a font it never shows, and make Qt look for a stand-in for that family.
  Text1->setFont(ArialFont(9, false, true));
  QFont ownFont(QStringLiteral("MS Sans Serif"));
  ownFont.setPointSizeF(7.8);
  ownFont.setBold(true);
  setFont(ownFont);

  CreateControls();
  ApplyColours();
  SetTabOrder();
  Text1->setFocus();
}

void Form1::Load() {
  CentreOnScreen();
  controller_.Load();
  const auto [smallest, largest] = controller_.SizeRange();
  SpinButton1->SetRange(smallest, largest);
  // A window manager adds its frame only once the window is mapped, so the centring above could
  // count only the client area: centre once more, and only once, as soon as the frame is known.
  connect(this, &Form1::FrameKnown, this, &Form1::CentreOnScreen, Qt::SingleShotConnection);
}

void Form1::CreateControls() {
  const auto centred = Qt::AlignHCenter;

  Label2 = MakeLabel(this, "Label2", QStringLiteral("Zeziru Ridaz"), TwipsRect(1320, 60, 5592, 444),
                     ArialFont(19.8, true, true), centred);
  Label2->setAutoFillBackground(true);
  Label2->setAccessibleName(tr("Zeziru Ridaz"));
  Label2->setAccessibleDescription(tr("The program's title"));

  struct OptionPlace {
    int left, top, width;
  };
  // One place a row of the department table.
  constexpr std::array<OptionPlace, kDepartments.size()> kPlaces = {{{120, 700, 1716},
                                                                     {120, 996, 1716},
                                                                     {3291, 700, 2124},
                                                                     {3291, 996, 1716},
                                                                     {6870, 700, 1212}}};
  static_assert(std::ranges::none_of(kPlaces, [](OptionPlace place) { return place.width == 0; }),
                "every department needs a place on the window");
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    const QString caption = QString::fromUtf8(
        kDepartments[i].caption.data(), static_cast<qsizetype>(kDepartments[i].caption.size()));
    auto* option = new QRadioButton(caption, this);
    option->setObjectName(QStringLiteral("Option1"));
    option->setGeometry(TwipsRect(kPlaces[i].left, kPlaces[i].top, kPlaces[i].width, 312));
    option->setFont(ArialFont(7.8, true));
    option->setAccessibleName(caption);
    option->setAccessibleDescription(tr("Generate text for this department"));
    option1Group_->addButton(option, static_cast<int>(i));
    Option1[i] = option;
  }
  Option1[0]->setChecked(true);
  // The department follows the checked option however it got checked: a click or a key checks
  // the option and clicks it, an assistive tool's Toggle only checks it.
  connect(option1Group_, &QButtonGroup::idPressed, this, &Form1::OptionPressed);
  connect(option1Group_, &QButtonGroup::idToggled, this, &Form1::OptionToggled);
  connect(option1Group_, &QButtonGroup::idClicked, this, &Form1::OptionClicked);

  Command1 = MakeButton(this, "Command1", QStringLiteral("Print"), TwipsRect(120, 1428, 1332, 372),
                        ArialFont(9, true));
  Command1->setAccessibleDescription(tr("Print the text on the default printer"));
  connect(Command1, &QPushButton::clicked, this, &Form1::PrintText);

  Command2 = MakeButton(this, "Command2", QStringLiteral("Raveri Zezedovaz"),
                        TwipsRect(1824, 1428, 4512, 372), ArialFont(10.8, true));
  Command2->setToolTip(QStringLiteral("Left-click to generate more zintok."));
  Command2->setAccessibleDescription(tr("Generate twelve new lines of text"));
  connect(Command2, &QPushButton::clicked, this, &Form1::GenerateText);

  for (QPushButton* button : {Command1, Command2}) {
    // Enter presses a button only while it has the focus; no button is the default.
    button->setAutoDefault(true);
    button->setDefault(false);
  }

  SpinButton1 = new SpinButton(this);
  SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
  SpinButton1->setGeometry(TwipsRect(6612, 1428, 408, 372));
  SpinButton1->setAccessibleName(tr("Font Size"));
  SpinButton1->setAccessibleDescription(tr("Steps the size of the text up or down"));
  connect(SpinButton1, &SpinButton::SpinDown, this, &Form1::ShrinkText);
  connect(SpinButton1, &SpinButton::SpinUp, this, &Form1::EnlargeText);

  Label4 = MakeLabel(this, "Label4", QStringLiteral("Font Size"), TwipsRect(7100, 1512, 852, 252),
                     ArialFont(9, true), Qt::AlignLeft);
  Label4->setAccessibleDescription(tr("Caption of the size spinner"));

  Text1->setGeometry(TwipsRect(120, 2040, 7932, 3324));
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setTabChangesFocus(true);
  Text1->setAccessibleName(tr("Generated text"));
  Text1->setAccessibleDescription(tr("The generated text; it can be edited before printing"));
  SpinButton1->SetReading(Text1->font().pointSizeF());

  const QString copyright = QString::fromStdString(Cp1252ToUtf8("\xA9 2026 The Zeziru Ridaz team"));
  Label1 = MakeLabel(this, "Label1", copyright, TwipsRect(1908, 5604, 4332, 252),
                     ArialFont(9.6, true), centred);
  Label1->setAccessibleDescription(tr("Copyright"));
  Label3 = MakeLabel(this, "Label3", QStringLiteral("Email: team@zeziru-ridaz.example"),
                     TwipsRect(1908, 5856, 4332, 252), ArialFont(9.6, true), centred);
  Label3->setAccessibleDescription(tr("Contact address"));
}

void Form1::SetTabOrder() {
  QWidget* previous = Text1;
  const auto follow = [&](QWidget* next) {
    setTabOrder(previous, next);
    previous = next;
  };
  for (QRadioButton* option : Option1) follow(option);
  for (QWidget* next : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                        static_cast<QWidget*>(SpinButton1)})
    follow(next);
}

void Form1::ApplyColours() {
  const QColor grey = ColourFromValue(kLightGrey, palette());
  // Theme colours that stand on the fixed grey: readable under any theme, unchanged under a light
  // one.
  const auto onGrey = [&](QWidget* widget, std::uint32_t value) {
    return ReadableOn(ColourFromValue(value, QApplication::palette(widget)), grey);
  };
  SetColour(this, QPalette::Window, grey);
  SetColour(this, QPalette::WindowText, onGrey(this, kSystemWindowText));
  SetColour(Label2, QPalette::Window, grey);
  SetColour(Label2, QPalette::WindowText, ColourFromValue(kBlue, palette()));
  for (QRadioButton* option : Option1)
    SetColour(option, QPalette::WindowText, onGrey(option, kSystemButtonText));
  for (QPushButton* button : {Command1, Command2}) {
    SetColour(button, QPalette::Button, grey);
    SetColour(button, QPalette::ButtonText, onGrey(button, kSystemButtonText));
  }
  SetColour(Label4, QPalette::WindowText, onGrey(Label4, kSystemWindowText));
  for (QLabel* footer : {Label1, Label3})
    SetColour(footer, QPalette::WindowText, ColourFromValue(kYellow, palette()));
}

void Form1::CentreOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr)
    return;
  const QRect area = screen->geometry();
  const QSize outer = frameGeometry().size();
  // In twips: the difference rounded to a whole number, then halved toward zero.
  const int left = RoundToInt32((area.width() - outer.width()) * double{kTwipsPerPixel}) / 2;
  const int top = RoundToInt32((area.height() - outer.height()) * double{kTwipsPerPixel}) / 2;
  move(area.x() + TwipsToPixels(left), area.y() + TwipsToPixels(top));
}

bool Form1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if ((event->type() == QEvent::Move || event->type() == QEvent::Show) &&
      frameGeometry().size() != size())
    emit FrameKnown();
  // A theme switched while the program runs changes the colours that stand on the grey too. Only
  // the application's palette counts: the window's own changes as the colours are applied.
  if (event->type() == QEvent::ApplicationPaletteChange)
    ApplyColours();
  return handled;
}

void Form1::OptionPressed() {
  checkedAtPress_ = option1Group_->checkedId();
}

void Form1::OptionToggled(int index, bool checked) {
  if (checked)
    ChooseDepartment(index);
}

void Form1::OptionClicked(int index) {
  // A click that checked its option was followed when the check changed; a click on the option
  // already checked changes nothing, and still reads the counts file again.
  if (index == checkedAtPress_)
    ChooseDepartment(index);
}

void Form1::ChooseDepartment(int index) {
  Show(controller_.DepartmentClick(static_cast<std::int16_t>(index)));
}

void Form1::GenerateText() {
  Show(controller_.Generate());
}

void Form1::PrintText() {
  Show(controller_.Print(Text1->toPlainText()));
}

void Form1::EnlargeText() {
  Show(controller_.SizeUp());
}

void Form1::ShrinkText() {
  Show(controller_.SizeDown());
}

void Form1::Show(const TextBoxChange& change) {
  if (change.error) {
    ShowError(*change.error);
  } else {
    if (change.normalColour) {
      QPalette palette = Text1->palette();
      palette.setColor(QPalette::Text,
                       ColourFromValue(kSystemWindowText, QApplication::palette(Text1)));
      Text1->setPalette(palette);
    }
    if (change.points)
      SetTextSize(*change.points);
    if (change.text)
      Text1->setPlainText(*change.text);
    if (change.focus)
      Text1->setFocus();
  }
  // A failed department click leaves the previous department in force: select its option, so the
  // selection never names a department whose phrases Generate would not use. Quietly: this is
  // no choice of the user's.
  if (change.department && *change.department < Option1.size()) {
    const QSignalBlocker quiet(option1Group_);
    Option1[*change.department]->setChecked(true);
  }
}

void Form1::ShowError(std::int16_t errNumber) {
  QPalette palette = Text1->palette();
  palette.setColor(QPalette::Text, ColourFromValue(kRed, palette));
  Text1->setPalette(palette);
  SetTextSize(kErrorFontSize);
  Text1->setPlainText(ErrorMessage(errNumber));
}

void Form1::SetTextSize(float points) {
  QFont font = Text1->font();
  font.setPointSizeF(static_cast<qreal>(points));
  Text1->setFont(font);
  SpinButton1->SetReading(font.pointSizeF());
}

}  // namespace zr
