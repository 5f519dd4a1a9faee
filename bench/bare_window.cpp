// The least a Qt window of the program's size costs to start: the baseline the program's start-up
// time and memory are compared against. Same toolkit, same size, nothing inside.
//
// With --label it also shows one line of text, which is not part of the baseline: it tells how much
// of the program's extra cost any window pays as soon as it draws text (font configuration, font
// files, glyphs).

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// The program's start-up probe (ui/main.cpp), the same code, so both are timed alike.
class StartupProbe final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      // A zero timer runs after the whole paint cycle, flush to the display included.
      QTimer::singleShot(0, this, [this] {
        line_ = "first_frame_ns=" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
        QTimer::singleShot(500, this, [this] {
          std::ifstream status("/proc/self/status");
          for (std::string field; status >> field;) {
            if (field == "VmHWM:" || field == "RssAnon:") {
              std::string kib;
              status >> kib;
              line_ += (field == "VmHWM:" ? " vmhwm_kib=" : " rssanon_kib=") + kib;
            }
          }
          std::cout << line_ << std::endl;
          QCoreApplication::quit();
        });
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
  std::string line_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Zeziru Ridaz bare"));
  window.setFixedSize(545, 416);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    auto* label = new QLabel(QStringLiteral("Zeziru Ridaz"), &window);
    label->move(10, 10);
  }
  StartupProbe probe;
  if (qEnvironmentVariableIsSet("ZR_STARTUP_PROBE"))
    app.installEventFilter(&probe);
  window.show();
  return QApplication::exec();
}
