#include "gui/shown_window.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using mj::ButtonId;

// Resizing moves and scales nothing: a larger window shows more green, a smaller one cuts the
// layout off on the right and at the bottom.
using WindowFrame = mj::testing::ShownWindow;

TEST_F(WindowFrame, ResizingShowsMoreGreenOrCutsTheLayoutOff) {
    const QImage before = grab();

    window.resize(1000, 700);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.size() == QSize(1000, 700); }, mj::testing::kPatience));
    const QImage larger = grab();
    ASSERT_EQ(larger.size(), QSize(1000, 700));
    EXPECT_EQ(larger.copy(0, 0, 784, 593), before);
    EXPECT_EQ(larger.pixel(900, 300), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(larger.pixel(400, 650), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(window.canvas().geometry(), QRect(0, 0, 784, 593));

    window.resize(500, 400);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.size() == QSize(500, 400); }, mj::testing::kPatience));
    const QImage smaller = grab();
    ASSERT_EQ(smaller.size(), QSize(500, 400));
    EXPECT_EQ(smaller, before.copy(0, 0, 500, 400));
}

// On a screen of twice the density the window opens at zoom 2: every picture pixel becomes a
// sharp 2 x 2 block, and the text is set at twice its size rather than blown up. Runs when the
// tests are started with QT_SCALE_FACTOR=2.
TEST_F(WindowFrame, StaysCrispOnADenseScreen) {
    if (window.zoom() != 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    EXPECT_EQ(window.devicePixelRatio(), 1) << "the window, not Qt, scales the layout";
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
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

    // The title's letters have edges finer than a block.
    const QRect title = window.canvas().pixelRect(window.game().Lblots);
    int finerBlocks = 0;
    for (int y = title.top(); y < title.bottom(); y += 2)
        for (int x = title.left(); x < title.right(); x += 2) {
            const QRgb p = screen.pixel(x, y);
            finerBlocks += screen.pixel(x + 1, y) != p || screen.pixel(x, y + 1) != p ||
                           screen.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(finerBlocks, 100);
    EXPECT_EQ(window.button(ButtonId::Cmdstart).geometry(), QRect(624, 928, 322, 50));
}

// Where the platform itself doubles the window's pixels (a Wayland compositor at 200 % does,
// whatever the zoom), the pictures become 2 x 2 blocks and the text is set at the finer pixels.
// The canvas is rendered into an image of twice the density, as such a platform's would be.
TEST_F(WindowFrame, SetsItsTextAtTheFinerPixelsOfAPlatformThatScales) {
    ASSERT_EQ(window.zoom(), 1);
    const auto blocksFinerThanTwo = [](const QImage& image, const QRect& r) {
        int finer = 0;
        for (int y = 2 * r.top(); y < 2 * (r.bottom() + 1); y += 2)
            for (int x = 2 * r.left(); x < 2 * (r.right() + 1); x += 2) {
                const QRgb p = image.pixel(x, y);
                finer += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                         image.pixel(x + 1, y + 1) != p;
            }
        return finer;
    };
    const QRect title = window.canvas().pixelRect(window.game().Lblots);
    const QRect tile = window.canvas().pixelRect(window.game().Imgtile1[100]);
    const QImage before = grab();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first rendering" : "after a repaint on the screen");
        QImage dense(window.canvas().size() * 2, QImage::Format_RGB32);
        dense.setDevicePixelRatio(2);
        window.canvas().render(&dense);
        EXPECT_EQ(blocksFinerThanTwo(dense, tile), 0);
        EXPECT_GT(blocksFinerThanTwo(dense, title), 100);
        // The screen's own pixels get the text at their size again.
        window.canvas().repaint();
        EXPECT_EQ(grab(), before);
    }
}

} // namespace
