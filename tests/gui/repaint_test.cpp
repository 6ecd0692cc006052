#include "gui/shown_window.h"
#include "support/board_builder.h"
#include "support/board_rules.h"

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

    // What the screen holds, against the window painted afresh; the countdown changes its
    // label every 50 ms, so a screen caught before that repaint lands is looked at again.
    std::string screenDiffersFromAFullRepaint() {
        const auto same = [this] {
            const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
            return shown.convertToFormat(QImage::Format_RGB32) == grab();
        };
        return QTest::qWaitFor(same, 2000) ? "" : "the screen differs from a full repaint";
    }

    PaintedRegion painted;
};

TEST_F(Repaint, PaintsOnlyTheChangedControlsAndTheScreenStaysRight) {
    const QRect canvas = window.canvas().rect();
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const auto [a, b] = mj::testing::makeMatch(window.game());
        ASSERT_GE(a, 0);
        ASSERT_EQ(screenDiffersFromAFullRepaint(), "");

        painted.region = {};
        clickTile(a);
        const QRect tile = window.canvas().pixelRect(game().Imgtile1[idx(a)]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return painted.region.contains(tile); }, 2000));
        // The tile, its corner pieces, and perhaps the countdown's label.
        EXPECT_LT(area(painted.region), area(canvas) / 20);
        ASSERT_EQ(screenDiffersFromAFullRepaint(), "");

        const int left = game().tilesleft;
        clickTile(b);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game().tilesleft == left - 2; }, 3000));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return game().selectcount == 0; }, 3000));
    EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << "after a mismatch";

    for (const char* what : {"paused", "resumed"}) {
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdpause), Qt::LeftButton);
        EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << what;
    }
    QTest::mouseClick(&window.button(mj::ButtonId::Cmdquit), Qt::LeftButton);
    EXPECT_EQ(screenDiffersFromAFullRepaint(), "") << "after quitting";
}

} // namespace
