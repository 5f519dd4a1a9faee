// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "ui/controller.h"

#include <limits>
#include <new>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "core/text_size.h"
#include "print/print_command.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "ui/busy_cursor.h"

namespace zr {

namespace {
// The core's text is Windows-1252 with CR LF line ends; the edit box holds Unicode lines.
QString ToDisplayText(const std::string& bytes) {
  return QString::fromStdString(Cp1252ToUtf8(CrLfToLf(bytes)));
}
}  // namespace

Controller::Controller(ZINTOK1& state, Services services) : state_(state), services_(services) {}

void Controller::Load() {
  FillFontSizes(state_);
  LoadDefaultDepartment(state_, services_.files);
}

std::pair<float, float> Controller::SizeRange() const {
  return {state_.FontSizes[kSmallestSizeIndex], state_.FontSizes[kLargestSizeIndex]};
}

TextBoxChange Controller::DepartmentClick(std::int16_t index) noexcept {
  TextBoxChange change = Guarded([&] {
    TextBoxChange emptied = NormalPresentation();
    emptied.text = QString();
    SelectDepartment(state_, services_.files, index);
    return emptied;
  });
  change.department = DepartmentRow(state_.DeptLetter);
  return change;
}

TextBoxChange Controller::Generate() noexcept {
  return Guarded([&] {
    TextBoxChange shown = NormalPresentation();
    shown.text = ToDisplayText(zr::Generate(state_, services_.files, services_.random));
    shown.focus = true;
    return shown;
  });
}

TextBoxChange Controller::SizeDown() noexcept {
  return Guarded([&] { return Resized(StepSizeDown(state_)); });
}

TextBoxChange Controller::SizeUp() noexcept {
  return Guarded([&] { return Resized(StepSizeUp(state_)); });
}

TextBoxChange Controller::Print(const QString& text) noexcept {
  return Guarded([&] {
    TextBoxChange printed = NormalPresentation();
    if (text.isEmpty())
      return printed;
    services_.printer.Print(PrintoutWithDateLine(text, services_.clock));
    printed.focus = true;
    return printed;
  });
}

template <typename Steps>
TextBoxChange Controller::Guarded(Steps&& steps) noexcept {
  try {
    // Every handler shows the busy pointer while it runs; only a long one lets it be seen.
    const BusyCursor busy;
    return steps();
  } catch (const Failure& failure) {
    return Report(failure.number());
  } catch (const std::bad_alloc&) {
    return Report(err::kOutOfMemory);
  } catch (...) {
    return Report(err::kInternalError);
  }
}

TextBoxChange Controller::Report(long long failureNumber) noexcept {
  // A number that does not fit 16 bits has no message of its own; 0 shows the default one.
  const bool fits = failureNumber >= std::numeric_limits<std::int16_t>::min() &&
                    failureNumber <= std::numeric_limits<std::int16_t>::max();
  state_.ErrNumber = fits ? static_cast<std::int16_t>(failureNumber) : std::int16_t{0};
  TextBoxChange shown;
  shown.error = state_.ErrNumber;
  return shown;
}

TextBoxChange Controller::Resized(bool stepped) const {
  // At either end of the range nothing changes, not even the box's size.
  TextBoxChange resized;
  if (stepped)
    resized.points = CurrentFontSize(state_);
  return resized;
}

TextBoxChange Controller::NormalPresentation() const {
  TextBoxChange normal;
  normal.normalColour = true;
  normal.points = CurrentFontSize(state_);
  return normal;
}

}  // namespace zr
