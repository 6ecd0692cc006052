// Runs the GUI tests inside one QApplication on whichever platform QT_QPA_PLATFORM names
// (offscreen in CI).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
