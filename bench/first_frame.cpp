// Measures how long the game takes from the start of main() to its first painted frame, and
// quits right after it; run it under `time` to add the process's own start-up.
#include "qt/main_window.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(std::chrono::steady_clock::time_point start) : start_(start) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Report once the paint itself has run.
            QTimer::singleShot(0, [this] {
                const auto ms = std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - start_)
                                    .count();
                std::printf("first frame after %.1f ms\n", ms);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::chrono::steady_clock::time_point start_;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    mj::qt::MainWindow window;
    FirstPaint probe(start);
    window.canvas().installEventFilter(&probe);
    window.show();
    return app.exec();
}
