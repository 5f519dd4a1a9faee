#pragma once

#include <QString>
#include <cstdint>

class QPlainTextEdit;

namespace zr {

inline constexpr float kErrorFontSize = 11.0f;

// The user's wording for a failure number; numbers without a message of their own share one.
QString ErrorMessage(std::int16_t errNumber);

// Replaces the whole text of the box with the message, in red at 11 points.
void ShowError(QPlainTextEdit& text1, std::int16_t errNumber);

}  // namespace zr
