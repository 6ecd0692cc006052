#include "gui/shown_window.h"
#include "support/board_builder.h"
#include "support/board_rules.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using mj::board::idx;

// Collects the region of every paint the canvas is asked for.
class PaintedRegion : public QObject {
  public:
    QRegion region;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

int area(const QRegion& region) {
    int pixels = 0;
    for (const QRect& r : region)
        pixels += r.width() * r.height();
    return pixels;
}

// The real window with a game started: after every event the canvas repaints only where
// something changed, and the screen must still show what a full repaint would.
struct Repaint : mj::testing::ShownWindow {
    Repaint() {
        window.canvas().installEventFilter(&painted);
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
    }

    // What the screen holds, against the window painted afresh. Every repaint asked for so far
    // lands first; then both images are taken without the event loop running between them, so
    // that no timer can change the game from one to the other.
    std::string screenDiffersFromAFullRepaint() {
        QCoreApplication::sendPostedEvents();
        const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
        return shown.convertToFormat(QImage::Format_RGB32) == grab()
                   ? ""
                   : "the screen differs from a full repaint";
    }

    // Waits until the countdown has changed its label since `caption`.
    bool countdownMovedOnFrom(std::string caption) {
        return QTest::qWaitFor([&] { return game().Lblbonus2.Caption != caption; }, kPatience);
    }

    // Long enough for the slowest machine; a wait that is met returns at once.
    static constexpr int kPatience = 30000;
    PaintedRegion painted;
};

TEST_F(Repaint, PaintsOnlyTheChangedControlsAndTheScreenStaysRight) {
    const QRect canvas = window.canvas().rect();
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // The faces are laid out behind the window's back, as no event would.
        const auto [a, b] = mj::testing::makeMatch(window.game());
        ASSERT_GE(a, 0);
        window.afterEvent();
        ASSERT_EQ(screenDiffersFromAFullRepaint(), "");

        painted.region = {};
        clickTile(a);
        const QRect tile = window.canvas().pixelRect(game().Imgtile1[idx(a)]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return painted.region.contains(tile); }, kPatience));
        // The tile, its corner pieces, and perhaps the countdown's label.
        EXPECT_LT(area(painted.region), area(canvas) / 20);
        ASSERT_EQ(screenDiffersFromAFullRepaint(), "");
        // The countdown's label repaints on its own.
        ASSERT_TRUE(countdownMovedOnFrom(game().Lblbonus2.Caption));
        ASSERT_EQ(screenDiffersFromAFullRepaint(), "") << "after the countdown moved on";

        const int left = game().tilesleft;
        clickTile(b);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game().tilesleft == left - 2; }, kPatience));
    }
    // Two free tiles with different faces.
    const std::vector<int> free = mj::testing::clickableTiles(game());
    ASSERT_FALSE(free.empty());
    for (const int other : free)
        if (game().Imgtile1[idx(other)].Picture != game().Imgtile1[idx(free[0])].Picture) {
            clickTile(free[0]);
            clickTile(other);
            break;
        }
    // The mismatch shows, then goes back to white.
    ASSERT_TRUE(QTest::qWaitFor([&] { return game().selectcount == 0; }, kPatience));
    EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << "after a mismatch";

    for (const char* what : {"paused", "resumed"}) {
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdpause), Qt::LeftButton);
        EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << what;
    }
    QTest::mouseClick(&window.button(mj::ButtonId::Cmdquit), Qt::LeftButton);
    EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << "after quitting";
}

} // namespace
