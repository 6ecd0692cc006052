#include "qt/main_window.h"
#include "support/board_rules.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using mj::board::idx;

constexpr int kPx = mj::kTwipsPerPixel;

// The pixel at the centre of a slot's tile.
QPoint centreOf(const mj::Image& tile) {
    return QPoint((tile.Left + 240) / kPx, (tile.Top + 300) / kPx);
}

using mj::testing::clickable;

// A whole game played with real mouse clicks and the real timers, to the game-over screen.
TEST(WholeGameOnScreen, PlaysToTheGameOverScreen) {
    mj::qt::MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const mj::Frmmahjongg& game = window.game();
    QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
    ASSERT_TRUE(game.Cmdquit.Visible);

    while (game.tilesleft > 0) {
        // Upper tiles first: that uncovers the most and clears most deals.
        int a = -1, b = -1;
        for (int s = mj::board::kSlots - 1; s >= 0 && a < 0; --s)
            for (int t = s - 1; t >= 0 && clickable(game, s); --t)
                if (game.Imgtile1[idx(s)].Picture == game.Imgtile1[idx(t)].Picture &&
                    clickable(game, t)) {
                    a = s;
                    b = t;
                    break;
                }
        if (a < 0) {
            // This deal cannot be cleared from here: quit and deal again.
            QTest::mouseClick(&window.button(mj::ButtonId::Cmdquit), Qt::LeftButton);
            QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
            continue;
        }
        const int left = game.tilesleft;
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centreOf(game.Imgtile1[idx(a)]));
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centreOf(game.Imgtile1[idx(b)]));
        ASSERT_TRUE(game.Tmr3.Enabled()) << a << " and " << b << " should match";
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.tilesleft == left - 2; }, 2000));
    }

    QTest::qWait(50);
    const QImage screen = window.grab().toImage();
    QDir().mkpath(QStringLiteral("artifacts"));
    screen.save(QStringLiteral("artifacts/game-over.png"));
    EXPECT_TRUE(window.button(mj::ButtonId::Cmdnew).isVisible());
    EXPECT_FALSE(window.button(mj::ButtonId::Cmdquit).isVisible());
    EXPECT_FALSE(window.button(mj::ButtonId::Cmdpause).isVisible());
    // The board is empty green, and the best labels are on view.
    for (int y = 1920 / kPx; y < 6480 / kPx; y += 7)
        for (int x = 240 / kPx; x < 11640 / kPx; x += 7)
            if (!window.button(mj::ButtonId::Cmdnew).geometry().contains(x, y)) {
                ASSERT_EQ(screen.pixel(x, y), qRgb(0x00, 0xFF, 0x00)) << x << "," << y;
            }
    EXPECT_TRUE(game.Lblbestt2.Visible && game.Lblbests2.Visible);
}

} // namespace
