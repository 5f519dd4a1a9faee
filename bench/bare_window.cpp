// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

// The least a Qt window of the program's size costs to start: the baseline the program's start-up
// time and memory are compared against. Same toolkit, same size, nothing inside.
//
// With --label it also shows one line of text, which is not part of the baseline: it tells how much
// of the program's extra cost any window pays as soon as it draws text (font configuration, font
// files, glyphs).

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Zeziru Ridaz bare"));
  window.setFixedSize(545, 416);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    auto* label = new QLabel(QStringLiteral("Zeziru Ridaz"), &window);
    label->move(10, 10);
  }
  window.show();
  return QApplication::exec();
}
