// The game: one window, driven by the mouse, the buttons' mnemonics and the timers.
#include "qt/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Whole-number scaling keeps every pixel of the pictures crisp on dense screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    mj::qt::MainWindow window;
    window.show();
    return app.exec();
}
