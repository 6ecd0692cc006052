// The window on the several screens of offscreen_screens.json: the primary screen is not the
// one at the origin, and the screens differ in size and scale.
#include "gui/shown_window.h"
#include "qt/main_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

using mj::EventResult;
using mj::testing::kPatience;

QScreen* screenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

// The offscreen platform frames a window with 2 pixels on every side.
QSize frameAtZoom(int zoom) {
    return QSize(784, 593) * zoom + QSize(4, 4);
}

// Puts the pointer back where it was, for the tests that run after.
struct Screens : ::testing::Test {
    void SetUp() override {
        if (!screenNamed("a-3840x2160-192dpi"))
            GTEST_SKIP() << "needs the offscreen platform with the screens of "
                            "offscreen_screens.json";
    }
    void TearDown() override { QCursor::setPos(pointer_); }

    // A new window, shown as the game shows it.
    static std::unique_ptr<mj::qt::MainWindow> openWindow() {
        auto window = std::make_unique<mj::qt::MainWindow>();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    // Waits until the window has seen a move and has answered it, once the move has ended.
    static void awaitMoveAnswered(const mj::qt::MainWindow& window) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.followingAMove(); }, kPatience));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.followingAMove(); }, kPatience));
    }

  private:
    QPoint pointer_ = QCursor::pos();
};

// Each screen with the pointer on it: the window opens there at the zoom the screen gives.
TEST_F(Screens, TheWindowOpensOnTheScreenThatHoldsThePointer) {
    struct Case {
        const char* screen;
        int zoom;
        QPoint frameTopLeft;
    };
    const Case cases[] = {
        {"a-3840x2160-192dpi", 2, {2560 + 1134, 485}}, // the primary screen, right of b
        {"b-2560x1440", 1, {886, 421}},
        {"c-1920x1080-144dpi", 1, {6400 + 566, 241}}, // zoom 2 would be too high
        {"d-3840x2160-144dpi", 2, {8320 + 1134, 485}},
        {"e-800x480", 1, {12160, 0}},                  // not even zoom 1 fits
        {"f-1280x1024-192dpi", 1, {12960 + 246, 213}}, // zoom 2 would be too wide
        {"g-2560x1440-120dpi", 1, {14240 + 886, 421}}, // 125 % is nearer 1 than 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        QScreen* screen = screenNamed(c.screen);
        ASSERT_NE(screen, nullptr);
        QCursor::setPos(screen->geometry().center());
        const auto window = openWindow();
        EXPECT_EQ(window->screen(), screen);
        EXPECT_EQ(window->zoom(), c.zoom);
        EXPECT_EQ(window->size(), QSize(784, 593) * c.zoom);
        EXPECT_EQ(window->frameGeometry(), QRect(c.frameTopLeft, frameAtZoom(c.zoom)));

        // The mouse reaches the tile under the zoomed pixel.
        window->game().Imgtile1[75].Enabled = true;
        QSignalSpy ran(window.get(), &mj::qt::MainWindow::eventRan);
        QTest::mouseClick(&window->canvas(), Qt::LeftButton, {}, QPoint(81, 129) * c.zoom);
        ASSERT_EQ(ran.size(), 1);
        EXPECT_EQ(ran.takeFirst().at(0).value<EventResult>(),
                  (EventResult{EventResult::Kind::Tile, 75}));
    }
}

TEST_F(Screens, WithThePointerOnNoScreenTheWindowOpensOnThePrimaryOne) {
    QCursor::setPos(1000, 2000); // below b, left of a
    ASSERT_EQ(QGuiApplication::screenAt(QCursor::pos()), nullptr);
    const auto window = openWindow();
    EXPECT_EQ(window->screen(), QGuiApplication::primaryScreen());
    EXPECT_EQ(window->zoom(), 2);
    EXPECT_EQ(window->frameGeometry(), QRect(QPoint(2560 + 1134, 485), frameAtZoom(2)));
}

// Moved onto a screen of another scale, the window takes that screen's zoom, as Qt's own
// scaling would have scaled it, and stays on that screen, within its bounds.
TEST_F(Screens, TheWindowTakesTheZoomOfEachScreenItIsMovedTo) {
    QCursor::setPos(10, 10);
    const auto window = openWindow();
    ASSERT_EQ(window->zoom(), 1);
    struct Step {
        const char* screen;
        QPoint frameTopLeft; // where it is moved to
        int zoom;
    };
    const Step steps[] = {
        {"a-3840x2160-192dpi", {2560 + 100, 100}, 2},
        {"b-2560x1440", {100, 100}, 1},
        {"d-3840x2160-144dpi", {8320 + 3000, 1500}, 2}, // partly off the screen
        {"c-1920x1080-144dpi", {6400 + 200, 0}, 1},
        {"f-1280x1024-192dpi", {12960 + 10, 10}, 1},
        {"a-3840x2160-192dpi", {2560 - 300, 400}, 2}, // its centre just on the screen
        {"b-2560x1440", {2560 - 1000, 300}, 1},
        {"e-800x480", {12160 + 50, 50}, 1}, // too small for the window: left as it is
    };
    int zoom = 1;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.screen);
        QScreen* screen = screenNamed(s.screen);
        ASSERT_NE(screen, nullptr);
        window->move(s.frameTopLeft);
        awaitMoveAnswered(*window);
        EXPECT_EQ(window->screen(), screen);
        EXPECT_EQ(window->zoom(), s.zoom);
        EXPECT_EQ(window->size(), QSize(784, 593) * s.zoom);
        // A new zoom keeps the window on its screen; a move between screens of one scale
        // changes nothing but the screen.
        const QRect frame = window->frameGeometry();
        if (std::exchange(zoom, s.zoom) != s.zoom)
            EXPECT_TRUE(screen->availableGeometry().contains(frame))
                << frame.x() << "," << frame.y();
        else
            EXPECT_EQ(frame.topLeft(), s.frameTopLeft);
    }
}

// The window is placed when it is shown and once more when the window manager's frame first
// becomes known, never after: a frame the window manager changes later leaves the window
// where the player put it.
TEST_F(Screens, TheWindowIsPlacedForItsFrameOnceAndNeverAfter) {
    // The window manager frames the window, or takes the frame away, and moves it a little.
    const auto reframe = [](mj::qt::MainWindow& window, bool frame) {
        window.setWindowFlag(Qt::FramelessWindowHint, !frame);
        window.show(); // a change of flags hides a window
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.move(window.pos() + QPoint(2, 2));
        awaitMoveAnswered(window);
    };
    // Where the player put it, give or take the moves of the window manager.
    const auto leftAt = [](const mj::qt::MainWindow& window, QPoint put) {
        return (window.frameGeometry().topLeft() - put).manhattanLength() <= 8;
    };
    QCursor::setPos(10, 10);
    {
        SCOPED_TRACE("framed when it is shown");
        const auto window = openWindow();
        ASSERT_EQ(window->frameGeometry(), QRect(QPoint(886, 421), frameAtZoom(1)));
        window->move(50, 60);
        reframe(*window, false);
        EXPECT_TRUE(leftAt(*window, {50, 60})) << "placed again without its frame";
        reframe(*window, true);
        EXPECT_TRUE(leftAt(*window, {50, 60})) << "placed again with its frame back";
    }
    {
        SCOPED_TRACE("framed only once it is on the screen");
        mj::qt::MainWindow window;
        window.setWindowFlag(Qt::FramelessWindowHint);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.frameGeometry(), QRect(QPoint(888, 423), QSize(784, 593)));
        reframe(window, true);
        EXPECT_EQ(window.frameGeometry(), QRect(QPoint(886, 421), frameAtZoom(1)))
            << "not placed for its frame";
        window.move(50, 60);
        reframe(window, false);
        EXPECT_TRUE(leftAt(window, {50, 60})) << "placed again without its frame";
    }
}

// A window whose centre lies on no screen keeps its zoom and its place, however little of it
// the screen that it overlaps last holds: h, with i below it and j right of it, leave a gap
// below j and right of i.
TEST_F(Screens, AWindowWhoseCentreIsOnNoScreenStaysAsItIs) {
    QScreen* h = screenNamed("h-3840x2160-192dpi");
    QScreen* below = screenNamed("i-1920x1080-below-h");
    ASSERT_NE(h, nullptr);
    ASSERT_NE(below, nullptr);
    QCursor::setPos(h->geometry().center());
    const auto window = openWindow();
    ASSERT_EQ(window->zoom(), 2);
    const QPoint put(16800 + 1714, 1705);
    window->move(put);
    awaitMoveAnswered(*window);
    ASSERT_EQ(QGuiApplication::screenAt(window->frameGeometry().center()), nullptr);
    EXPECT_EQ(window->screen(), below) << "the platform's own choice for a centre on no screen";
    EXPECT_EQ(window->zoom(), 2);
    EXPECT_EQ(window->frameGeometry(), QRect(put, frameAtZoom(2)));
}

} // namespace
