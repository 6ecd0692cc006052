// The window on a real X server laid out as RandR monitors, with a window manager (openbox),
// as x11/on_x_server.sh sets one up. Under X11 every screen has the one scale of Xft.dpi, so
// a move changes the zoom only where the window does not fit its new screen at the scale's
// zoom, or fits again. Every move, by the window manager or by a drag of the title bar, ends
// on the screen that holds the window's centre once the move is over, at that screen's zoom,
// changing the zoom once at most.
#include "gui/shown_window.h"
#include "qt/main_window.h"
#include "qt/pointer_buttons.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using mj::testing::kPatience;

struct Monitor {
    const char* name;
    QRect geometry;
};

QScreen* screenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

std::string nameOf(const QScreen* screen) {
    return screen ? screen->name().toStdString() : "no screen";
}

// The client area's rectangle as the X server has it, which the window manager changes on
// its own time.
QRect serverGeometry(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_geometry_reply_t* size = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    xcb_translate_coordinates_reply_t* at =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr);
    QRect r;
    if (size && at)
        r = QRect(at->dst_x, at->dst_y, size->width, size->height);
    std::free(size);
    std::free(at);
    return r;
}

// Runs xdotool, which moves the window or the pointer as another program would.
void xdotool(const QStringList& args) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0)
        << args.join(QLatin1Char(' ')).toStdString();
}

// Counts the zoom changes: the canvas takes a new size at each.
class ZoomChanges : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += event->type() == QEvent::Resize;
        return QObject::eventFilter(watched, event);
    }
};

class OnX11 : public ::testing::Test {
  protected:
    // Skips unless the X server has exactly these monitors, the first the primary one; opens
    // the window on the first.
    void openOn(std::initializer_list<Monitor> monitors) {
        needMonitors(monitors);
        if (!IsSkipped() && !HasFatalFailure())
            open(monitors.begin()->name);
    }

    void needMonitors(std::initializer_list<Monitor> monitors) {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server laid out by x11/on_x_server.sh";
        ASSERT_EQ(QGuiApplication::screens().size(), static_cast<qsizetype>(monitors.size()));
        for (const Monitor& m : monitors) {
            const QScreen* screen = screenNamed(m.name);
            ASSERT_NE(screen, nullptr) << m.name;
            ASSERT_EQ(screen->geometry(), m.geometry) << m.name;
        }
        ASSERT_EQ(nameOf(QGuiApplication::primaryScreen()), monitors.begin()->name);
    }

    // Opens the window with the pointer on a screen, and waits until the window manager has
    // framed it and the window has placed itself for the frame.
    void open(const char* screen) {
        QCursor::setPos(screenNamed(screen)->geometry().center());
        window = std::make_unique<mj::qt::MainWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), kPatience));
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return !window->windowHandle()->frameMargins().isNull(); }, kPatience));
        ASSERT_TRUE(settled());
        window->canvas().installEventFilter(&zoomChanges);
    }

    QRect frame() const { return window->frameGeometry(); }
    const QScreen* screenOfCentre() const { return QGuiApplication::screenAt(frame().center()); }

    // Waits until the window has answered a move that `act` makes: the window has seen it
    // move, no mouse button is held, the window no longer waits for the move to end, and the
    // X server has the window where the window has itself. That must still hold once every
    // request has gone to the server and every event it sent back has been handled.
    ::testing::AssertionResult moveAndSettle(const std::function<void()>& act) {
        const QRect before = window->geometry();
        act();
        return settledAwayFrom(before);
    }

    ::testing::AssertionResult settledAwayFrom(const QRect& before) {
        if (!QTest::qWaitFor([&] { return window->geometry() != before; }, kPatience))
            return ::testing::AssertionFailure() << "the window never moved";
        return settled();
    }

    ::testing::AssertionResult settled() {
        const auto still = [this] {
            return !mj::qt::aMouseButtonIsHeld() && !window->followingAMove() &&
                   serverGeometry(*window) == window->geometry();
        };
        const bool ok = QTest::qWaitFor(
            [&] {
                if (!still())
                    return false;
                QGuiApplication::sync();
                return still();
            },
            kPatience);
        if (!ok)
            return ::testing::AssertionFailure() << "the window never came to rest";
        return ::testing::AssertionSuccess();
    }

    // A drag of the title bar by `dx`, in steps as a hand makes it, that rests at its end for
    // a while before the button is released: the window does not change while the button is
    // held, and ends on the screen that holds its centre once the button is up.
    void dragTitleBar(int dx, const char* endsOn, int zoom) {
        SCOPED_TRACE("a drag by " + std::to_string(dx) + " onto " + endsOn);
        const int zoomBefore = window->zoom();
        zoomChanges.count = 0;
        const QRect before = window->geometry();
        // 200 pixels in from the frame's left edge, 10 above the client area.
        const QPoint grip(frame().left() + 200, before.top() - 10);
        QStringList press{QStringLiteral("mousemove"), QString::number(grip.x()),
                          QString::number(grip.y()), QStringLiteral("mousedown"),
                          QStringLiteral("1")};
        constexpr int kSteps = 20;
        for (int step = 1; step <= kSteps; ++step)
            press << QStringLiteral("sleep") << QStringLiteral("0.01")
                  << QStringLiteral("mousemove") << QString::number(grip.x() + dx * step / kSteps)
                  << QString::number(grip.y());
        xdotool(press);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return serverGeometry(*window).topLeft() == before.topLeft() + QPoint(dx, 0); },
            kPatience))
            << "the drag did not take the window along";
        // The hand rests, the button still held: nothing changes, however long it rests.
        QTest::qWait(3 * mj::qt::MainWindow::kMoveEndsAfterMs);
        EXPECT_EQ(window->zoom(), zoomBefore) << "while the button is held";
        EXPECT_EQ(zoomChanges.count, 0) << "while the button is held";

        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        ASSERT_TRUE(settledAwayFrom(before));
        EXPECT_EQ(nameOf(screenOfCentre()), endsOn);
        EXPECT_EQ(window->zoom(), zoom);
        EXPECT_EQ(zoomChanges.count, zoom == zoomBefore ? 0 : 1);
        if (zoom != zoomBefore) {
            EXPECT_TRUE(screenNamed(endsOn)->availableGeometry().contains(frame()));
        }
    }

    // Drags the window from A at zoom 2 onto B at zoom 1 and back, `rounds` times, each drag
    // ending with the centre `past` pixels beyond A's right edge, on the far side.
    void dragAcrossAndBack(int rounds, int past) {
        for (int round = 0; round < rounds; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            dragTitleBar(kRightOfA + past - frame().center().x(), "B", 1);
            dragTitleBar(kRightOfA - past - frame().center().x(), "A", 2);
        }
    }
    static constexpr int kRightOfA = 3840;

    // Puts the client area's top-left corner at `at`, as another program asks the window
    // manager to.
    ::testing::AssertionResult moveClientTo(QPoint at) {
        return moveAndSettle([&] {
            xdotool({QStringLiteral("windowmove"), QString::number(window->winId()),
                     QString::number(at.x()), QString::number(at.y())});
        });
    }

    void TearDown() override {
        if (window)
            window->canvas().removeEventFilter(&zoomChanges);
    }

    ZoomChanges zoomChanges;
    std::unique_ptr<mj::qt::MainWindow> window;
};

// Xft.dpi 144: both screens at 150 %. A gives zoom 2; B gives zoom 1, as zoom 2 does not fit.
class X11TwoScreens : public OnX11 {
  protected:
    void SetUp() override { openOn({{"A", {0, 0, 3840, 2160}}, {"B", {3840, 0, 1920, 1080}}}); }
};

// A move by the window manager, as another program asks for it: the window's left edge put at
// x, 185. A move that leaves the zoom as it is leaves the window where it was put.
TEST_F(X11TwoScreens, AMoveEndsOnTheScreenThatHoldsTheCentre) {
    ASSERT_EQ(window->zoom(), 2);
    struct Step {
        const char* what;
        int x;
        const char* endsOn;
        int zoom;
    };
    const Step steps[] = {
        {"the centre just past A's right edge", 3080, "B", 1},
        {"back well inside A", 1000, "A", 2},
        {"a little further onto B", 3300, "B", 1},
        {"back well inside A", 1000, "A", 2},
        {"further onto B", 3440, "B", 1},
        {"inside B", 4000, "B", 1},
        {"the centre just on A", 3300, "A", 2},
        {"500 pixels into B", 3900, "B", 1},
        {"the centre just on A", 3400, "A", 2},
        {"across A", 200, "A", 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.what) + ", at x " + std::to_string(s.x));
        const int zoomBefore = window->zoom();
        zoomChanges.count = 0;
        ASSERT_TRUE(moveClientTo({s.x, 185}));
        EXPECT_EQ(nameOf(screenOfCentre()), s.endsOn);
        EXPECT_EQ(window->zoom(), s.zoom);
        EXPECT_EQ(zoomChanges.count, s.zoom == zoomBefore ? 0 : 1);
        if (s.zoom == zoomBefore) {
            EXPECT_EQ(window->geometry().topLeft(), QPoint(s.x, 185));
        } else {
            EXPECT_TRUE(screenNamed(s.endsOn)->availableGeometry().contains(frame()));
        }
    }
}

// Drags that end with the centre just past the edge between the screens, each way, again and
// again.
TEST_F(X11TwoScreens, ADragOfTheTitleBarEndsOnTheScreenThatHoldsTheCentre) {
    dragAcrossAndBack(3, 60);
}

// Xft.dpi 192, 200 %: B, 1366 x 768, has room for zoom 1 only.
class X11SmallScreen : public OnX11 {
  protected:
    void SetUp() override { openOn({{"A", {0, 0, 3840, 2160}}, {"B", {3840, 0, 1366, 768}}}); }
};

TEST_F(X11SmallScreen, ADragOfTheTitleBarEndsOnTheScreenThatHoldsTheCentre) {
    ASSERT_EQ(window->zoom(), 2);
    // Up against A's top edge, so that the centre lies level with B.
    const int titleBar = window->geometry().top() - frame().top();
    ASSERT_TRUE(moveClientTo({1000, titleBar}));
    ASSERT_LT(frame().center().y(), 768);
    dragAcrossAndBack(2, 40);
}

// An L of screens: A, B below it and C right of it. A window whose centre lies in the gap
// below C and right of B is on no screen: it keeps its zoom and its place, however much of it
// the screens around it hold.
class X11Gap : public OnX11 {
  protected:
    void SetUp() override {
        openOn({{"A", {0, 0, 3840, 2160}},
                {"B", {0, 2160, 1920, 1080}},
                {"C", {3840, 0, 1920, 1080}}});
    }
};

TEST_F(X11Gap, AWindowWhoseCentreIsOnNoScreenStaysAsItIs) {
    ASSERT_EQ(window->zoom(), 2);
    const QPoint put(1714, 1705); // the frame's top-left corner
    const QPoint client = put + window->geometry().topLeft() - frame().topLeft();
    ASSERT_TRUE(moveClientTo(client));
    EXPECT_EQ(screenOfCentre(), nullptr);
    EXPECT_EQ(window->zoom(), 2);
    EXPECT_EQ(frame().topLeft(), put);
}

} // namespace
