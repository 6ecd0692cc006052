#include "gui/shown_window.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// Resizing moves and scales nothing: a larger window shows more green, a smaller one cuts the
// layout off on the right and at the bottom.
using WindowFrame = mj::testing::ShownWindow;

TEST_F(WindowFrame, ResizingShowsMoreGreenOrCutsTheLayoutOff) {
    const QImage before = grab();

    window.resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(1000, 700); }, 5000));
    const QImage larger = grab();
    ASSERT_EQ(larger.size(), QSize(1000, 700));
    EXPECT_EQ(larger.copy(0, 0, 784, 593), before);
    EXPECT_EQ(larger.pixel(900, 300), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(larger.pixel(400, 650), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(window.canvas().geometry(), QRect(0, 0, 784, 593));

    window.resize(500, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(500, 400); }, 5000));
    const QImage smaller = grab();
    ASSERT_EQ(smaller.size(), QSize(500, 400));
    EXPECT_EQ(smaller, before.copy(0, 0, 500, 400));
}

// On a screen of twice the density every picture pixel becomes a sharp 2 x 2 block. Runs
// when the tests are started with QT_SCALE_FACTOR=2.
TEST_F(WindowFrame, StaysCrispOnADenseScreen) {
    if (window.devicePixelRatio() != 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    const QImage screen = grab();
    ASSERT_EQ(screen.size(), QSize(2 * 784, 2 * 593));
    const mj::Image& tile = window.game().Imgtile1[100];
    const QImage& face = pixelsOf(tile.Picture);
    const int left = 2 * tile.Left / mj::kTwipsPerPixel, top = 2 * tile.Top / mj::kTwipsPerPixel;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            for (int d = 0; d < 4; ++d)
                ASSERT_EQ(screen.pixel(left + 2 * x + d % 2, top + 2 * y + d / 2), face.pixel(x, y))
                    << x << "," << y;
}

} // namespace
