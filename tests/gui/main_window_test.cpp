#include "gui/shown_window.h"
#include "support/dealt_game.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using mj::ButtonId;
using mj::ControlKind;
using mj::ControlRef;
using mj::EventResult;

// The real window, shown.
struct Window : mj::testing::ShownWindow {
    EventResult clickPixel(int x, int y) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, QPoint(x, y));
        return ran.isEmpty() ? EventResult{} : ran.takeFirst().at(0).value<EventResult>();
    }
};

TEST_F(Window, ShowsTheIdleBoardAsItsFirstScreen) {
    const QImage screen = grab();
    QDir().mkpath(QStringLiteral("artifacts"));
    screen.save(QStringLiteral("artifacts/first-screen.png"));

    EXPECT_EQ(window.size(), QSize(784, 593));
    EXPECT_EQ(screen.size(), QSize(784, 593));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvel Mahjongg"));
    EXPECT_EQ(screen.pixel(5, 150), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(screen.pixel(783, 592), qRgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(screen.pixel(400, 512), qRgb(0xFF, 0x00, 0x00)); // the red line at y 7680

    const mj::Frmmahjongg& game = window.game();
    for (int s = 75; s < 150; ++s)
        EXPECT_EQ(mismatchedPixels(screen, {ControlKind::Tile, s}), 0) << "tile " << s;
    int shownPieces = 0;
    for (int s = 0; s < 150; ++s) {
        if (game.Imgpr[static_cast<std::size_t>(s)].Visible) {
            EXPECT_EQ(mismatchedPixels(screen, {ControlKind::RightEdge, s}), 0) << "Imgpr " << s;
            ++shownPieces;
        }
        if (game.Imgvar[static_cast<std::size_t>(s)].Visible) {
            EXPECT_EQ(mismatchedPixels(screen, {ControlKind::BottomEdge, s}), 0) << "Imgvar " << s;
            ++shownPieces;
        }
    }
    for (int k = 0; k < 258; ++k) {
        if (game.Imgvvak[static_cast<std::size_t>(k)].Visible) {
            EXPECT_EQ(mismatchedPixels(screen, {ControlKind::CornerPiece, k}), 0)
                << "Imgvvak " << k;
            ++shownPieces;
        }
    }
    EXPECT_EQ(shownPieces, 54 + 64 + 124);
}

TEST_F(Window, ShowsOnlyTheYellowStartButton) {
    QPushButton& start = window.button(ButtonId::Cmdstart);
    EXPECT_TRUE(start.isVisible());
    EXPECT_EQ(start.text(), QStringLiteral("&Start"));
    EXPECT_EQ(start.geometry(), QRect(312, 464, 161, 25));
    EXPECT_TRUE(start.hasFocus());
    for (const ButtonId hidden : {ButtonId::Cmdquit, ButtonId::Cmdpause, ButtonId::Cmdnew})
        EXPECT_FALSE(window.button(hidden).isVisible());
    const QImage screen = grab();
    EXPECT_EQ(screen.pixel(start.geometry().left() + 5, start.geometry().top() + 5),
              qRgb(0xFF, 0xFF, 0x00));
}

TEST_F(Window, AltAndALetterClicksTheShownButtonOnly) {
    QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
    QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier); // Quit is hidden
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    // A push button's mnemonic clicks it with a short animation.
    ASSERT_TRUE(ran.wait(mj::testing::kPatience));
    ASSERT_EQ(ran.size(), 1);
    EXPECT_EQ(ran.takeFirst().at(0).value<EventResult>(),
              (EventResult{EventResult::Kind::Button, static_cast<int>(ButtonId::Cmdstart)}));
    EXPECT_FALSE(ran.wait(300));
}

TEST_F(Window, MouseClicksGoThroughTheClickRule) {
    using Kind = EventResult::Kind;
    // The idle board's upper tiles are disabled: a click on one reaches nothing.
    EXPECT_EQ(clickPixel(96, 148), EventResult{});
    window.game().Imgtile1[75].Enabled = true;
    EXPECT_EQ(clickPixel(96, 148), (EventResult{Kind::Tile, 75}));
    window.game().Imgtile1[76].Enabled = true;
    EXPECT_EQ(clickPixel(128, 148), (EventResult{Kind::Tile, 76}));
    EXPECT_EQ(clickPixel(144, 168), EventResult{}); // Imgvvak(145), over lower tile 1
    EXPECT_EQ(clickPixel(146, 140), EventResult{}); // Imgpr(76)
    EXPECT_EQ(clickPixel(5, 150), EventResult{});   // the green background
}

TEST_F(Window, APressAndAReleaseOverTheSameControlMakeAClick) {
    using Kind = EventResult::Kind;
    window.game().Imgtile1[75].Enabled = true;
    window.game().Imgtile1[76].Enabled = true;
    const QPoint tile75(96, 148), tile76(128, 148), ground(5, 150);
    struct Case {
        const char* what;
        QPoint press, release;
        Qt::MouseButton button;
        std::optional<EventResult> click;
    };
    const Case cases[] = {
        {"on a free tile", tile75, tile75 + QPoint(10, 12), Qt::LeftButton,
         EventResult{Kind::Tile, 75}},
        {"from the ground onto a free tile", ground, tile75, Qt::LeftButton, std::nullopt},
        {"from a free tile onto the ground", tile75, ground, Qt::LeftButton, std::nullopt},
        {"from one free tile onto another", tile75, tile76, Qt::LeftButton, std::nullopt},
        {"with the right button", tile76, tile76, Qt::RightButton, std::nullopt},
        {"on the ground", ground, ground, Qt::LeftButton, EventResult{}},
    };
    for (const Case& c : cases) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::mousePress(&window.canvas(), c.button, {}, c.press);
        QTest::mouseRelease(&window.canvas(), c.button, {}, c.release);
        if (!c.click) {
            EXPECT_TRUE(ran.isEmpty()) << c.what;
        } else {
            ASSERT_EQ(ran.size(), 1) << c.what;
            EXPECT_EQ(ran.takeFirst().at(0).value<EventResult>(), *c.click) << c.what;
        }
    }
}

TEST_F(Window, ADoubleClickIsTwoClicks) {
    window.game().Imgtile1[75].Enabled = true;
    QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
    // As the platform sends it: the second press arrives as a double click.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(96, 148));
    ASSERT_EQ(ran.size(), 2);
    for (const QList<QVariant>& click : ran)
        EXPECT_EQ(click.at(0).value<EventResult>(), (EventResult{EventResult::Kind::Tile, 75}));
}

// A press and a release at a position with a fraction, as a compositor that scales the window
// or a fine pointer gives it, count in the pixel the position lies in: a fraction is never
// rounded into the neighbouring pixel, nor into the window from outside it.
TEST_F(Window, AFractionalPositionCountsInThePixelItLiesIn) {
    using Kind = EventResult::Kind;
    window.game().Imgtile1[75].Enabled = true;
    window.game().Imgtile1[76].Enabled = true;
    struct Case {
        QPointF at;
        std::optional<EventResult> click; // none: no click at all
    };
    const Case cases[] = {
        {{111.6, 148}, EventResult{Kind::Tile, 75}}, // tile 75's last pixel column
        {{111.999, 148}, EventResult{Kind::Tile, 75}},
        {{112.0, 148}, EventResult{Kind::Tile, 76}},
        {{0.0, 150}, EventResult{}}, // the ground
        {{-0.4, 150}, std::nullopt}, // left of the window
        {{5, -0.4}, std::nullopt},   // above it
        {{783.6, 592.6}, EventResult{}},
        {{784.0, 300}, std::nullopt},
        {{300, 593.0}, std::nullopt},
    };
    QWidget& canvas = window.canvas();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.at.x()) + "," + std::to_string(c.at.y()));
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, c.at, canvas.mapToGlobal(c.at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(&canvas, &event);
        }
        if (!c.click) {
            EXPECT_TRUE(ran.isEmpty());
        } else {
            ASSERT_EQ(ran.size(), 1);
            EXPECT_EQ(ran.takeFirst().at(0).value<EventResult>(), *c.click);
        }
    }
}

// The names of the window's timers that are running, each checked not to be the 2 ms one.
std::vector<std::string> runningTimers(const mj::qt::MainWindow& window) {
    std::vector<std::string> names;
    for (const QTimer* timer : window.findChildren<QTimer*>())
        if (timer->isActive()) {
            EXPECT_GT(timer->interval(), window.game().Tmr1.Interval())
                << timer->objectName().toStdString() << " wakes the window every 2 ms";
            names.push_back(timer->objectName().toStdString());
        }
    std::ranges::sort(names);
    return names;
}

// The cause of an idle window that does not wake: in each state only the timers whose ticks
// change what shows run, and none ticks every 2 ms; the 2 ms ticks are caught up on before
// each event instead.
TEST_F(Window, EachStateRunsOnlyTheTimersItNeeds) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(runningTimers(window), Names{}) << "before Start";
    QTest::mouseClick(&window.button(ButtonId::Cmdstart), Qt::LeftButton);
    EXPECT_EQ(runningTimers(window), (Names{"Tmr2", "Tmr5"})) << "running: the clock and bonus";
    QTest::mouseClick(&window.button(ButtonId::Cmdpause), Qt::LeftButton);
    EXPECT_EQ(runningTimers(window), Names{}) << "paused";
    QTest::mouseClick(&window.button(ButtonId::Cmdpause), Qt::LeftButton);
    EXPECT_EQ(runningTimers(window), (Names{"Tmr2", "Tmr5"})) << "resumed";

    ASSERT_TRUE(mj::testing::playToTheEnd(window.game()));
    window.afterEvent();
    EXPECT_EQ(runningTimers(window), Names{}) << "game over";
}

// An idle window does nothing the player can see while it waits, nor when a click on the
// green background brings the ticks that fell due.
TEST_F(Window, AnIdleWindowPaintsNothingWhileItWaits) {
    using mj::testing::kPatience;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.canvas().paintCount() > 0; }, kPatience));
    deliverWaitingEvents(); // the first screen may come in more than one paint
    const int paints = window.canvas().paintCount();
    ASSERT_TRUE(window.game().Tmr1.Enabled());
    QTest::qWait(300);
    EXPECT_EQ(window.canvas().paintCount(), paints);
    EXPECT_EQ(clickPixel(5, 150), EventResult{});
    QTest::qWait(100);
    EXPECT_EQ(window.canvas().paintCount(), paints);
}

// The face template each slot of a window shows, by its index: pictures belong to their own
// window, so boards of different windows are compared by template, not by picture object.
std::vector<int> facesOf(const mj::Frmmahjongg& game) {
    std::vector<int> faces;
    for (const mj::Image& tile : game.Imgtile1) {
        int face = -1;
        for (int t = 0; t < mj::board::kFaceTemplates; ++t)
            if (game.Imgtmalli[static_cast<std::size_t>(t)].Picture == tile.Picture)
                face = t;
        faces.push_back(face);
    }
    return faces;
}

// The board a fresh window deals when Start is clicked `ms` after the window was shown.
std::vector<int> dealAfter(int ms) {
    mj::qt::MainWindow window;
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(ms);
    QTest::mouseClick(&window.button(ButtonId::Cmdstart), Qt::LeftButton);
    EXPECT_TRUE(window.game().Cmdquit.Visible) << "Start dealt no game";
    return facesOf(window.game());
}

// The idle window's ticks keep the random sequence moving, so that what is dealt depends on
// how long the window ran before Start: windows that waited differently deal different
// boards, and neither deals the board of a window that never ticked.
TEST(RandomTicks, MakeTheDealDependOnTheTimeBeforeStart) {
    mj::MinimalStandard random;
    mj::Frmmahjongg untouched(random);
    untouched.Form_Load();
    untouched.Cmdstart_Click();
    const std::vector<int> withoutTicks = facesOf(untouched);
    ASSERT_EQ(std::count(withoutTicks.begin(), withoutTicks.end(), -1), 0);

    const std::vector<int> shortWait = dealAfter(100), longWait = dealAfter(400);
    EXPECT_NE(shortWait, longWait);
    EXPECT_NE(shortWait, withoutTicks);
    EXPECT_NE(longWait, withoutTicks);
}

// The window counts the 2 ms ticks on a monotonic clock: N ms after the timer was switched on,
// whatever events came between, the random source has moved on by exactly N / 2 steps, no
// more and no fewer.
TEST(RandomTicks, AreCaughtUpExactlyOnTheMonotonicClock) {
    std::int64_t now = 100000;
    mj::qt::MainWindow window([&now] { return now; }); // switches the timer on
    const std::int64_t switchedOn = now;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const mj::MinimalStandard atSwitchOn = window.randomSource();
    for (const int ms : {0, 1, 1, 1, 5, 2, 3, 997, 1000, 0, 2, 61, 30001}) {
        now += ms;
        QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, QPoint(5, 150)); // the ground
        mj::MinimalStandard expected = atSwitchOn;
        const auto steps = static_cast<std::uint64_t>((now - switchedOn) / 2);
        if (steps > 0)
            expected.skip(steps);
        ASSERT_EQ(window.randomSource().state(), expected.state())
            << (now - switchedOn) << " ms after the switch-on";
    }
}

} // namespace
