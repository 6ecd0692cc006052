#include "gui/shown_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

using mj::ButtonId;
using mj::EventResult;

EventResult buttonRan(ButtonId id) {
    return {EventResult::Kind::Button, static_cast<int>(id)};
}

// The real window, driven by the keys that move the focus and press the focused button.
struct Keyboard : mj::testing::ShownWindow {
    // A key as the platform delivers it to the window; what it ran, if anything.
    EventResult key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::keyClick(window.windowHandle(), key, modifiers);
        return ran.isEmpty() ? EventResult{} : ran.takeFirst().at(0).value<EventResult>();
    }
    // Alt+letter; a push button's mnemonic clicks it after a short animation.
    EventResult mnemonic(Qt::Key key) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::keyClick(window.windowHandle(), key, Qt::AltModifier);
        return ran.wait(mj::testing::kPatience) ? ran.takeFirst().at(0).value<EventResult>()
                                                : EventResult{};
    }
    std::optional<ButtonId> focused() {
        for (int b = 0; b < mj::kButtons; ++b)
            if (QApplication::focusWidget() == &window.button(static_cast<ButtonId>(b)))
                return static_cast<ButtonId>(b);
        return std::nullopt;
    }
    void showEveryButton() {
        for (int b = 0; b < mj::kButtons; ++b)
            window.game().button(static_cast<ButtonId>(b)).Visible = true;
        window.afterEvent();
    }
};

TEST_F(Keyboard, SpaceReturnAndEnterPressTheFocusedButton) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {"Space", Qt::Key_Space, {}},
        {"Return", Qt::Key_Return, {}},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(focused(), ButtonId::Cmdstart);
        ASSERT_EQ(key(c.key, c.modifiers), buttonRan(ButtonId::Cmdstart));
        EXPECT_EQ(game().tilesleft, 150);
        ASSERT_EQ(focused(), ButtonId::Cmdpause);
        EXPECT_EQ(key(c.key, c.modifiers), buttonRan(ButtonId::Cmdpause));
        EXPECT_EQ(game().paused, 1);
        EXPECT_EQ(key(c.key, c.modifiers), buttonRan(ButtonId::Cmdpause));
        EXPECT_EQ(game().paused, 0);
        EXPECT_EQ(key(Qt::Key_Tab), EventResult{});
        ASSERT_EQ(focused(), ButtonId::Cmdquit);
        EXPECT_EQ(key(c.key, c.modifiers), buttonRan(ButtonId::Cmdquit));
        EXPECT_TRUE(game().Cmdstart.Visible);
    }
    // Return with a modifier is no press.
    EXPECT_EQ(key(Qt::Key_Return, Qt::ControlModifier), EventResult{});
}

TEST_F(Keyboard, TheFocusPassesToTheButtonShownInPlace) {
    QTest::mouseClick(&window.button(ButtonId::Cmdstart), Qt::LeftButton);
    EXPECT_EQ(focused(), ButtonId::Cmdpause) << "Start by the mouse";
    // Quit by its mnemonic while Pause has the focus: Pause goes with Quit.
    ASSERT_EQ(mnemonic(Qt::Key_Q), buttonRan(ButtonId::Cmdquit));
    EXPECT_EQ(focused(), ButtonId::Cmdstart) << "Quit from Pause";
    ASSERT_EQ(key(Qt::Key_Return), buttonRan(ButtonId::Cmdstart));

    // The last pair's removal hides Quit and Pause and shows New game.
    mj::Frmmahjongg& game = window.game();
    game.Cmdquit.Visible = game.Cmdpause.Visible = false;
    game.Cmdnew.Visible = true;
    window.afterEvent();
    EXPECT_EQ(focused(), ButtonId::Cmdnew) << "the game end";
    ASSERT_EQ(key(Qt::Key_Space), buttonRan(ButtonId::Cmdnew));
    EXPECT_EQ(focused(), ButtonId::Cmdstart) << "New game";
}

TEST_F(Keyboard, TabAndShiftTabFollowTheTabOrder) {
    showEveryButton();
    const ButtonId order[] = {ButtonId::Cmdstart, ButtonId::Cmdquit, ButtonId::Cmdpause,
                              ButtonId::Cmdnew, ButtonId::Cmdstart};
    for (std::size_t b = 1; b < std::size(order); ++b) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focused(), order[b]) << "Tab " << b;
    }
    for (std::size_t b = std::size(order) - 1; b-- > 0;) {
        key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), order[b]) << "Shift+Tab to " << mj::buttonName(order[b]);
    }
}

TEST_F(Keyboard, AFocusedButtonKeepsItsFaceAndShowsTheFocusInItsFrame) {
    ASSERT_EQ(key(Qt::Key_Return), buttonRan(ButtonId::Cmdstart));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab); // back on Pause, by the keyboard
    ASSERT_EQ(focused(), ButtonId::Cmdpause);
    deliverWaitingEvents();
    const QImage screen = grab();
    const QRect pause = window.button(ButtonId::Cmdpause).geometry();
    const QRect quit = window.button(ButtonId::Cmdquit).geometry();
    const QRgb orange = qRgb(0xFF, 0x80, 0x00), magenta = qRgb(0xFF, 0x00, 0xFF);
    for (const QPoint at : {pause.topLeft() + QPoint(3, 3), pause.bottomRight() - QPoint(3, 3),
                            QPoint(pause.left() + 3, pause.center().y())})
        EXPECT_EQ(screen.pixel(at), orange) << at.x() << "," << at.y();
    EXPECT_EQ(screen.pixel(quit.topLeft() + QPoint(3, 3)), magenta);
    // The focused button's frame is black; the other's is a shade of its face.
    const QPoint edge(0, pause.height() / 2);
    EXPECT_EQ(screen.pixel(pause.topLeft() + edge), qRgb(0, 0, 0));
    EXPECT_NE(screen.pixel(quit.topLeft() + edge), qRgb(0, 0, 0));
}

TEST_F(Keyboard, BothPauseCaptionsShareOneSize) {
    ASSERT_EQ(key(Qt::Key_Return), buttonRan(ButtonId::Cmdstart));
    QPushButton& pause = window.button(ButtonId::Cmdpause);
    const QFont pausing = pause.font();
    EXPECT_LE(
        QFontMetrics(pausing).horizontalAdvance(QStringLiteral("Pause (-250 points / +15 sec)")),
        pause.width() - 8);
    ASSERT_EQ(key(Qt::Key_Return), buttonRan(ButtonId::Cmdpause));
    EXPECT_EQ(pause.text(), QStringLiteral("&Pause off"));
    EXPECT_EQ(pause.font(), pausing);
    // The shorter captions of the other buttons keep the full size.
    EXPECT_GT(window.button(ButtonId::Cmdquit).font().pixelSize(), pausing.pixelSize());
}

} // namespace
