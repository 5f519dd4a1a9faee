#include "ui/controller.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <limits>
#include <new>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "core/text_size.h"
#include "print/print_command.h"
#include "runtime/convert.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "ui/colours.h"
#include "ui/error_display.h"
#include "ui/twips.h"

namespace zr {

namespace {
// The core's text is Windows-1252 with CR LF line ends; the edit box holds Unicode lines.
QString ToDisplayText(const std::string& bytes) {
  QString text = QString::fromStdString(Cp1252ToUtf8(bytes));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}
}  // namespace

Controller::Controller(ZINTOK1& state, Services services, QWidget& window, QPlainTextEdit& text1)
    : state_(state), services_(services), window_(window), text1_(text1) {}

void Controller::Load() {
  CentreOnScreen();
  FillFontSizes(state_);
  LoadDefaultDepartment(state_, services_.files);
}

void Controller::DepartmentClick(std::int16_t index) noexcept {
  Guarded([&] {
    ApplyNormalPresentation();
    text1_.clear();
    SelectDepartment(state_, services_.files, index);
  });
}

void Controller::Generate() noexcept {
  Guarded([&] {
    ApplyNormalPresentation();
    const std::string text = zr::Generate(state_, services_.files, services_.random);
    text1_.setPlainText(ToDisplayText(text));
    text1_.setFocus();
  });
}

void Controller::SizeDown() noexcept {
  Guarded([&] {
    if (StepSizeDown(state_))
      SetTextSize(CurrentFontSize(state_));
  });
}

void Controller::SizeUp() noexcept {
  Guarded([&] {
    if (StepSizeUp(state_))
      SetTextSize(CurrentFontSize(state_));
  });
}

void Controller::Print() noexcept {
  Guarded([&] {
    ApplyNormalPresentation();
    const QString text = text1_.toPlainText();
    if (text.isEmpty())
      return;
    PrintWithDateLine(text, services_.printer, services_.clock);
    text1_.setFocus();
  });
}

template <typename Steps>
void Controller::Guarded(Steps&& steps) noexcept {
  try {
    steps();
  } catch (const Failure& failure) {
    Report(failure.number());
  } catch (const std::bad_alloc&) {
    Report(err::kOutOfMemory);
  } catch (...) {
    Report(err::kInternalError);
  }
}

void Controller::Report(long long failureNumber) noexcept {
  // A number that does not fit 16 bits has no message of its own; 0 shows the default one.
  const bool fits = failureNumber >= std::numeric_limits<std::int16_t>::min() &&
                    failureNumber <= std::numeric_limits<std::int16_t>::max();
  state_.ErrNumber = fits ? static_cast<std::int16_t>(failureNumber) : std::int16_t{0};
  try {
    ShowError(text1_, state_.ErrNumber);
  } catch (...) {
    // Nothing is left to show it with; the handler still ends normally.
  }
}

void Controller::ApplyNormalPresentation() {
  QPalette palette = text1_.palette();
  palette.setColor(QPalette::Text,
                   ColourFromValue(kSystemWindowText, QApplication::palette(&text1_)));
  text1_.setPalette(palette);
  SetTextSize(CurrentFontSize(state_));
}

void Controller::SetTextSize(float points) {
  QFont font = text1_.font();
  font.setPointSizeF(static_cast<qreal>(points));
  text1_.setFont(font);
}

void Controller::CentreOnScreen() {
  const QScreen* screen = window_.screen();
  if (screen == nullptr)
    return;
  const QRect area = screen->geometry();
  const QSize outer = window_.frameGeometry().size();
  // In twips: the difference rounded to a whole number, then halved toward zero.
  const int left = RoundToInt32((area.width() - outer.width()) * double{kTwipsPerPixel}) / 2;
  const int top = RoundToInt32((area.height() - outer.height()) * double{kTwipsPerPixel}) / 2;
  window_.move(area.x() + TwipsToPixels(left), area.y() + TwipsToPixels(top));
}

}  // namespace zr
