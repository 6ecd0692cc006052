#include "gui/shown_window.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

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
    ASSERT_TRUE(ran.wait(1000));
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

TEST_F(Window, ATmr1TickPaintsNothing) {
    QTest::qWait(100); // let the first paint settle
    const int paints = window.canvas().paintCount();
    ASSERT_TRUE(window.game().Tmr1.Enabled());
    const mj::Tagged before = window.game().randomvalue;
    QTest::qWait(200);                                   // about a hundred ticks
    EXPECT_NE(window.game().randomvalue, before + 1000); // the ticks ran...
    EXPECT_EQ(window.canvas().paintCount(), paints);     // ...and painted nothing
}

} // namespace
