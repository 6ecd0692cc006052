#include "gui/shown_window.h"
#include "support/board_builder.h"
#include "support/board_rules.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using mj::testing::clickable;

// A whole game played with real mouse clicks and the real timers, to the game-over screen.
using WholeGameOnScreen = mj::testing::ShownWindow;

TEST_F(WholeGameOnScreen, PlaysToTheGameOverScreen) {
    const mj::Frmmahjongg& game = window.game();
    QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
    ASSERT_TRUE(game.Cmdquit.Visible);

    // The dealt faces laid out so that the board can be cleared, then cleared pair by pair.
    const std::vector<std::pair<int, int>> order = mj::testing::makeClearable(window.game());
    ASSERT_EQ(order.size(), 75u);
    for (const auto& [a, b] : order) {
        ASSERT_TRUE(clickable(game, a) && clickable(game, b)) << a << " and " << b;
        const int left = game.tilesleft;
        clickTile(a);
        clickTile(b);
        ASSERT_TRUE(game.Tmr3.Enabled()) << a << " and " << b << " should match";
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return game.tilesleft == left - 2; }, mj::testing::kPatience));
    }
    ASSERT_EQ(game.tilesleft, 0);

    const QImage screen = window.grab().toImage();
    QDir().mkpath(QStringLiteral("artifacts"));
    screen.save(QStringLiteral("artifacts/game-over.png"));
    EXPECT_TRUE(window.button(mj::ButtonId::Cmdnew).isVisible());
    EXPECT_FALSE(window.button(mj::ButtonId::Cmdquit).isVisible());
    EXPECT_FALSE(window.button(mj::ButtonId::Cmdpause).isVisible());
    // The board is empty green, and the best labels are on view.
    for (int y = 1920 / mj::kTwipsPerPixel; y < 6480 / mj::kTwipsPerPixel; y += 7)
        for (int x = 240 / mj::kTwipsPerPixel; x < 11640 / mj::kTwipsPerPixel; x += 7)
            if (!window.button(mj::ButtonId::Cmdnew).geometry().contains(x, y)) {
                ASSERT_EQ(screen.pixel(x, y), qRgb(0x00, 0xFF, 0x00)) << x << "," << y;
            }
    EXPECT_TRUE(game.Lblbestt2.Visible && game.Lblbests2.Visible);

    // The focus went from Pause to New game, and Return there starts over.
    ASSERT_TRUE(window.button(mj::ButtonId::Cmdnew).hasFocus());
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(window.button(mj::ButtonId::Cmdstart).isVisible());
    EXPECT_TRUE(window.button(mj::ButtonId::Cmdstart).hasFocus());
}

} // namespace
