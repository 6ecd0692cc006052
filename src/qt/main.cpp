// The game: one window, driven by the mouse, the keyboard and the timers.
#include "qt/main_window.h"
#include "qt/zoom.h"

#include <QApplication>

int main(int argc, char** argv) {
    mj::qt::takeOverScaling();
    QApplication app(argc, argv);
    mj::qt::MainWindow window;
    window.show();
    return app.exec();
}
