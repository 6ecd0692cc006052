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

    // Deal until the board can be cleared, then clear it pair by pair.
    std::vector<std::pair<int, int>> order = mj::testing::clearingOrder(game);
    for (int deal = 0; order.empty() && deal < 20; ++deal) {
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdquit), Qt::LeftButton);
        QTest::qWait(20);
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
        order = mj::testing::clearingOrder(game);
    }
    ASSERT_FALSE(order.empty()) << "no deal could be cleared";
    for (const auto& [a, b] : order) {
        ASSERT_TRUE(clickable(game, a) && clickable(game, b)) << a << " and " << b;
        const int left = game.tilesleft;
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centreOf(game.Imgtile1[idx(a)]));
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centreOf(game.Imgtile1[idx(b)]));
        ASSERT_TRUE(game.Tmr3.Enabled()) << a << " and " << b << " should match";
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.tilesleft == left - 2; }, 2000));
    }
    ASSERT_EQ(game.tilesleft, 0);

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
