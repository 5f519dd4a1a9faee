#include "ui/error_display.h"

#include <QPlainTextEdit>

#include "ui/colours.h"

namespace zr {

QString ErrorMessage(std::int16_t errNumber) {
  switch (errNumber) {
    case 5:
      return QStringLiteral("VB illegal function call.");
    case 6:
      return QStringLiteral("VB overflow error.");
    case 11:
      return QStringLiteral("VB division by zero error.");
    case 13:
      return QStringLiteral("Invalid date.");
    case 14:
      return QStringLiteral("Out of string space.");
    default:
      return QStringLiteral("Unknown VB error.");
  }
}

void ShowError(QPlainTextEdit& text1, std::int16_t errNumber) {
  QPalette palette = text1.palette();
  palette.setColor(QPalette::Text, ColourFromValue(kRed, palette));
  text1.setPalette(palette);
  QFont font = text1.font();
  font.setPointSizeF(kErrorFontSize);
  text1.setFont(font);
  text1.setPlainText(ErrorMessage(errNumber));
}

}  // namespace zr
