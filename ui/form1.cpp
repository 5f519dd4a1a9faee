#include "ui/form1.h"

#include <QButtonGroup>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/phrase_store.h"
#include "runtime/text.h"
#include "ui/colours.h"
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

void SetColour(QWidget* widget, QPalette::ColorRole role, std::uint32_t value) {
  QPalette palette = widget->palette();
  palette.setColor(role, ColourFromValue(value, palette));
  widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, QRect geometry, const QFont& font,
                  std::uint32_t colour, Qt::Alignment alignment) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignVCenter);
  SetColour(label, QPalette::WindowText, colour);
  return label;
}

}  // namespace

Form1::Form1(ZINTOK1& state, Services services, QWidget* parent)
    : QWidget(parent),
      Text1(new QPlainTextEdit(this)),
      state_(state),
      option1Group_(new QButtonGroup(this)),
      controller_(state, services, *this, *Text1) {
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
  SetColour(this, QPalette::Window, kLightGrey);
  SetColour(this, QPalette::WindowText, kSystemWindowText);
  QFont ownFont(QStringLiteral("MS Sans Serif"));
  ownFont.setPointSizeF(7.8);
  ownFont.setBold(true);
  setFont(ownFont);

  CreateControls();
  SetTabOrder();
  Text1->setFocus();
}

void Form1::Load() {
  controller_.Load();
}

void Form1::CreateControls() {
  const auto centred = Qt::AlignHCenter;

  Label2 = MakeLabel(this, QStringLiteral("Zeziru Ridaz"), TwipsRect(1320, 60, 5592, 444),
                     ArialFont(19.8, true, true), kBlue, centred);
  Label2->setAutoFillBackground(true);
  SetColour(Label2, QPalette::Window, kLightGrey);
  Label2->setAccessibleName(tr("Zeziru Ridaz"));
  Label2->setAccessibleDescription(tr("The program's title"));

  struct OptionPlace {
    int left, top, width;
  };
  constexpr std::array<OptionPlace, 5> kPlaces = {{{120, 700, 1716},
                                                   {120, 996, 1716},
                                                   {3291, 700, 2124},
                                                   {3291, 996, 1716},
                                                   {6870, 700, 1212}}};
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    const QString caption = QString::fromUtf8(
        kDepartments[i].caption.data(), static_cast<qsizetype>(kDepartments[i].caption.size()));
    auto* option = new QRadioButton(caption, this);
    option->setGeometry(TwipsRect(kPlaces[i].left, kPlaces[i].top, kPlaces[i].width, 312));
    option->setFont(ArialFont(7.8, true));
    SetColour(option, QPalette::WindowText, kSystemButtonText);
    option->setAccessibleName(caption);
    option->setAccessibleDescription(tr("Generate text for this department"));
    option1Group_->addButton(option, static_cast<int>(i));
    Option1[i] = option;
  }
  Option1[0]->setChecked(true);
  connect(option1Group_, &QButtonGroup::idClicked, this, &Form1::Option1_Click);

  Command1 = new QPushButton(QStringLiteral("Print"), this);
  Command1->setGeometry(TwipsRect(120, 1428, 1332, 372));
  Command1->setFont(ArialFont(9, true));
  Command1->setAccessibleDescription(tr("Print the text on the default printer"));
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  Command2 = new QPushButton(QStringLiteral("Raveri Zezedovaz"), this);
  Command2->setGeometry(TwipsRect(1824, 1428, 4512, 372));
  Command2->setFont(ArialFont(10.8, true));
  Command2->setToolTip(QStringLiteral("Left-click to generate more zintok."));
  Command2->setAccessibleDescription(tr("Generate twelve new lines of text"));
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

  for (QPushButton* button : {Command1, Command2}) {
    SetColour(button, QPalette::Button, kLightGrey);
    // Enter presses a button only while it has the focus; no button is the default.
    button->setAutoDefault(true);
    button->setDefault(false);
  }

  SpinButton1 = new SpinButton(this);
  SpinButton1->setGeometry(TwipsRect(6612, 1428, 408, 372));
  SpinButton1->setAccessibleName(tr("Font Size"));
  SpinButton1->setAccessibleDescription(tr("Steps the size of the text up or down"));
  connect(SpinButton1, &SpinButton::SpinDown, this, &Form1::SpinButton1_SpinDown);
  connect(SpinButton1, &SpinButton::SpinUp, this, &Form1::SpinButton1_SpinUp);

  Label4 = MakeLabel(this, QStringLiteral("Font Size"), TwipsRect(7100, 1512, 852, 252),
                     ArialFont(9, true), kSystemWindowText, Qt::AlignLeft);
  Label4->setAccessibleDescription(tr("Caption of the size spinner"));

  Text1->setGeometry(TwipsRect(120, 2040, 7932, 3324));
  Text1->setFont(ArialFont(9, false, true));
  Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setTabChangesFocus(true);
  Text1->setAccessibleName(tr("Generated text"));
  Text1->setAccessibleDescription(tr("The generated text; it can be edited before printing"));

  const QString copyright = QString::fromStdString(Cp1252ToUtf8("\xA9 2026 The Zeziru Ridaz team"));
  Label1 = MakeLabel(this, copyright, TwipsRect(1908, 5604, 4332, 252), ArialFont(9.6, true),
                     kYellow, centred);
  Label1->setAccessibleDescription(tr("Copyright"));
  Label3 = MakeLabel(this, QStringLiteral("Email: team@zeziru-ridaz.example"),
                     TwipsRect(1908, 5856, 4332, 252), ArialFont(9.6, true), kYellow, centred);
  Label3->setAccessibleDescription(tr("Contact address"));
}

void Form1::SetTabOrder() {
  QWidget* previous = Text1;
  for (QWidget* next : {static_cast<QWidget*>(Option1[0]), static_cast<QWidget*>(Option1[1]),
                        static_cast<QWidget*>(Option1[2]), static_cast<QWidget*>(Option1[3]),
                        static_cast<QWidget*>(Option1[4]), static_cast<QWidget*>(Command1),
                        static_cast<QWidget*>(Command2), static_cast<QWidget*>(SpinButton1)}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

void Form1::Option1_Click(int index) {
  controller_.DepartmentClick(static_cast<std::int16_t>(index));
  // A failed click leaves the previous department in force: show that one as selected, so the
  // selection never names a department whose phrases Generate would not use.
  const std::size_t row = DepartmentRow(state_.DeptLetter);
  if (row < Option1.size())
    Option1[row]->setChecked(true);
}

void Form1::Command1_Click() {
  controller_.Print();
}

void Form1::Command2_Click() {
  controller_.Generate();
}

void Form1::SpinButton1_SpinDown() {
  controller_.SizeDown();
}

void Form1::SpinButton1_SpinUp() {
  controller_.SizeUp();
}

}  // namespace zr
