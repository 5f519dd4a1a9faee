#pragma once

#include <cstdint>

#include "core/zintok1.h"
#include "ui/services.h"

class QPlainTextEdit;
class QWidget;

namespace zr {

// The handlers behind the window. Every handler but Load is guarded: a failure in one of its steps
// skips the rest, shows the failure's message in the text box and ends the handler normally.
class Controller {
 public:
  Controller(ZINTOK1& state, Services services, QWidget& window, QPlainTextEdit& text1);

  void Load();
  void DepartmentClick(std::int16_t index) noexcept;
  void Generate() noexcept;
  void SizeDown() noexcept;
  void SizeUp() noexcept;
  void Print() noexcept;

 private:
  template <typename Steps>
  void Guarded(Steps&& steps) noexcept;
  void Report(long long failureNumber) noexcept;
  void ApplyNormalPresentation();
  void SetTextSize(float points);
  void CentreOnScreen();

  ZINTOK1& state_;
  Services services_;
  QWidget& window_;
  QPlainTextEdit& text1_;
};

}  // namespace zr
