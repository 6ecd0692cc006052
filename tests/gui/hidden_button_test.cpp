// A push button the game has hidden takes no click, whichever way the click reaches it: a
// mnemonic clicks its button after a short animation, and mouse and key events can be queued
// for a button that is hidden before they land.
#include "gui/shown_window.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using mj::ButtonId;
using mj::EventResult;

struct HiddenButton : mj::testing::ShownWindow {
    HiddenButton() {
        QObject::connect(&window, &mj::qt::MainWindow::eventRan, [this](EventResult result) {
            if (result.kind == EventResult::Kind::Button)
                ran.push_back(static_cast<ButtonId>(result.index));
        });
    }
    QPushButton& button(ButtonId id) { return window.button(id); }
    // Alt+letter as the platform delivers it.
    void mnemonic(Qt::Key key) { QTest::keyClick(window.windowHandle(), key, Qt::AltModifier); }
    void start() {
        QTest::mouseClick(&button(ButtonId::Cmdstart), Qt::LeftButton);
        ran.clear();
    }
    // A left click posted to a button, to land when the event loop next runs.
    void postClick(ButtonId id) {
        QPushButton& b = button(id);
        const QPointF at = QRectF(b.rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                &b,
                new QMouseEvent(type, at, b.mapToGlobal(at), Qt::LeftButton,
                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    }

    // Waits until every mnemonic's animation has clicked its button and every queued event
    // has landed.
    bool settle() {
        const auto settled = [this] {
            QCoreApplication::sendPostedEvents();
            for (int b = 0; b < mj::kButtons; ++b)
                if (!QAbstractEventDispatcher::instance()
                         ->registeredTimers(&button(static_cast<ButtonId>(b)))
                         .isEmpty())
                    return false; // an animation still runs
            return true;
        };
        return QTest::qWaitFor(settled, mj::testing::kPatience);
    }

    std::vector<ButtonId> ran; // the buttons whose handlers ran
};

TEST_F(HiddenButton, TakesNoClickWhicheverWayItComes) {
    using Ids = std::vector<ButtonId>;
    struct Case {
        const char* what;
        bool playing; // a game is started first
        std::function<void(HiddenButton&)> act;
        Ids expected;
    };
    const Case cases[] = {
        {"a mouse click on hidden Quit",
         false,
         [](HiddenButton& t) { QTest::mouseClick(&t.button(ButtonId::Cmdquit), Qt::LeftButton); },
         {}},
        {"Space on hidden Pause",
         false,
         [](HiddenButton& t) { QTest::keyClick(&t.button(ButtonId::Cmdpause), Qt::Key_Space); },
         {}},
        {"Return on hidden New game",
         false,
         [](HiddenButton& t) { QTest::keyClick(&t.button(ButtonId::Cmdnew), Qt::Key_Return); },
         {}},
        {"keypad Enter on hidden Start",
         true,
         [](HiddenButton& t) {
             QTest::keyClick(&t.button(ButtonId::Cmdstart), Qt::Key_Enter, Qt::KeypadModifier);
         },
         {}},
        {"Alt+P while Quit's mnemonic animates: Quit hides Pause first",
         true,
         [](HiddenButton& t) {
             // Both at once: the event loop does not run between them.
             t.mnemonic(Qt::Key_Q);
             t.mnemonic(Qt::Key_P);
         },
         {ButtonId::Cmdquit}},
        {"a mouse click on Start while its mnemonic animates",
         false,
         [](HiddenButton& t) {
             t.mnemonic(Qt::Key_S);
             QTest::mouseClick(&t.button(ButtonId::Cmdstart), Qt::LeftButton);
         },
         {ButtonId::Cmdstart}},
        {"a click queued for Start before Start was clicked",
         false,
         [](HiddenButton& t) {
             t.postClick(ButtonId::Cmdstart);
             QTest::mouseClick(&t.button(ButtonId::Cmdstart), Qt::LeftButton);
         },
         {ButtonId::Cmdstart}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Each case on the idle board, or on a game just started.
        if (game().Cmdquit.Visible)
            QTest::mouseClick(&button(ButtonId::Cmdquit), Qt::LeftButton);
        ASSERT_TRUE(game().Cmdstart.Visible);
        if (c.playing)
            start();
        ran.clear();
        c.act(*this);
        ASSERT_TRUE(settle());
        EXPECT_EQ(ran, c.expected);
        EXPECT_EQ(game().paused, 0);
        // What shows is what the last handler that ran left.
        const bool playing =
            c.expected.empty() ? c.playing : c.expected.back() == ButtonId::Cmdstart;
        EXPECT_EQ(game().Cmdstart.Visible, !playing);
        EXPECT_EQ(game().Cmdpause.Visible, playing);
        EXPECT_EQ(game().Cmdquit.Visible, playing);
        EXPECT_FALSE(game().Cmdnew.Visible);
    }
}

} // namespace
