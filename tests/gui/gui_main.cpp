// Runs the GUI tests inside one QApplication, on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another. The offscreen platform gets the screens of
// offscreen_screens.json, the first of them by name the primary screen, and the pointer starts
// on the screen at the origin; the window takes over Qt's scaling as the game does.
#include "qt/zoom.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MAHJONGG_OFFSCREEN_SCREENS);
    mj::qt::takeOverScaling();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
