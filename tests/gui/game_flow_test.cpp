#include "game/number_display.h"
#include "gui/shown_window.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using mj::ButtonId;
using mj::ControlKind;
using mj::ControlRef;
using mj::EventResult;
using mj::board::idx;

constexpr int kPx = mj::kTwipsPerPixel;
constexpr QRgb kGreen = qRgb(0x00, 0xFF, 0x00);

EventResult buttonRan(ButtonId id) {
    return {EventResult::Kind::Button, static_cast<int>(id)};
}

// The real window, shown, driven by the mouse and the keyboard.
struct GameFlow : mj::testing::ShownWindow {
    // Alt+letter; a push button's mnemonic clicks it after a short animation.
    EventResult mnemonic(Qt::Key key) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::keyClick(&window, key, Qt::AltModifier);
        if (!ran.wait(mj::testing::kPatience))
            return {};
        return ran.takeFirst().at(0).value<EventResult>();
    }
    EventResult clickButton(ButtonId id) {
        QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
        QTest::mouseClick(&window.button(id), Qt::LeftButton);
        return ran.isEmpty() ? EventResult{} : ran.takeFirst().at(0).value<EventResult>();
    }
    bool shown(ButtonId id) { return window.button(id).isVisible(); }

    void expectPlaying() {
        EXPECT_FALSE(shown(ButtonId::Cmdstart));
        EXPECT_TRUE(shown(ButtonId::Cmdquit));
        EXPECT_TRUE(shown(ButtonId::Cmdpause));
        EXPECT_FALSE(shown(ButtonId::Cmdnew));
        EXPECT_EQ(game().tilesleft, 150);
        EXPECT_TRUE(game().Tmr5.Enabled() && game().Tmr2.Enabled());
    }
};

TEST_F(GameFlow, AMouseClickOnStartDealsAndTheClockRuns) {
    EXPECT_EQ(clickButton(ButtonId::Cmdstart), buttonRan(ButtonId::Cmdstart));
    expectPlaying();
    EXPECT_EQ(window.button(ButtonId::Cmdpause).text(),
              QStringLiteral("&Pause (-250 points / +15 sec)"));
    // The Qt timers run the game's clock (998 ms) and countdown (50 ms).
    EXPECT_TRUE(QTest::qWaitFor([&] { return game().seconds >= 1; }, mj::testing::kPatience));
    EXPECT_LT(game().bonus, 1000);
    EXPECT_EQ(game().Lbltime4.Caption, mj::secondsDisplay(game().seconds));
}

TEST_F(GameFlow, TheKeyboardStartsPausesResumesAndQuits) {
    ASSERT_EQ(mnemonic(Qt::Key_S), buttonRan(ButtonId::Cmdstart));
    expectPlaying();

    ASSERT_EQ(mnemonic(Qt::Key_P), buttonRan(ButtonId::Cmdpause));
    EXPECT_EQ(game().paused, 1);
    EXPECT_EQ(game().score, -250);
    EXPECT_EQ(window.button(ButtonId::Cmdpause).text(), QStringLiteral("&Pause off"));
    EXPECT_FALSE(game().Tmr2.Enabled() || game().Tmr5.Enabled());
    // Nothing moves while paused.
    const int seconds = game().seconds;
    const mj::Tagged bonus = game().bonus;
    QTest::qWait(1200);
    EXPECT_EQ(game().seconds, seconds);
    EXPECT_EQ(game().bonus, bonus);

    // The same mnemonic resumes.
    ASSERT_EQ(mnemonic(Qt::Key_P), buttonRan(ButtonId::Cmdpause));
    EXPECT_EQ(game().paused, 0);
    EXPECT_EQ(game().score, -250);
    EXPECT_EQ(window.button(ButtonId::Cmdpause).text(),
              QStringLiteral("&Pause (-250 points / +15 sec)"));
    EXPECT_TRUE(game().Tmr2.Enabled() && game().Tmr5.Enabled());

    // Quit: back to the idle board, every tile disabled, only Start to press.
    ASSERT_EQ(mnemonic(Qt::Key_Q), buttonRan(ButtonId::Cmdquit));
    EXPECT_TRUE(shown(ButtonId::Cmdstart));
    EXPECT_FALSE(shown(ButtonId::Cmdquit) || shown(ButtonId::Cmdpause) || shown(ButtonId::Cmdnew));
    for (int s = 0; s < 150; ++s) {
        EXPECT_TRUE(game().Imgtile1[idx(s)].Visible) << "slot " << s;
        EXPECT_FALSE(game().Imgtile1[idx(s)].Enabled) << "slot " << s;
    }
    EXPECT_FALSE(game().Tmr2.Enabled() || game().Tmr5.Enabled());
    // A tile click on the idle board reaches nothing.
    QSignalSpy ran(&window, &mj::qt::MainWindow::eventRan);
    QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, QPoint(96, 148));
    ASSERT_EQ(ran.size(), 1);
    EXPECT_EQ(ran.takeFirst().at(0).value<EventResult>(), EventResult{});
}

TEST_F(GameFlow, TheRunningGameShowsWhiteTilesAndTheGameLabels) {
    const QImage idle = grab();
    const int paints = window.canvas().paintCount();
    ASSERT_EQ(mnemonic(Qt::Key_S), buttonRan(ButtonId::Cmdstart));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.canvas().paintCount() > paints; },
                                mj::testing::kPatience));
    const QImage screen = grab();
    QDir().mkpath(QStringLiteral("artifacts"));
    screen.save(QStringLiteral("artifacts/running-game.png"));

    // Every upper tile shows a white-band face, drawn pixel for pixel as its template.
    for (int s = 75; s < 150; ++s) {
        const mj::PictureRef picture = game().Imgtile1[idx(s)].Picture;
        bool white = false;
        for (int f = 0; f < mj::board::kFaces; ++f)
            white = white || picture == game().Imgtmalli[idx(42 + f)].Picture;
        EXPECT_TRUE(white) << "tile " << s;
        EXPECT_EQ(mismatchedPixels(screen, {ControlKind::Tile, s}), 0) << "tile " << s;
    }
    EXPECT_NE(screen, idle);

    // Each game label with a caption shows its text over the green.
    using L = mj::LabelId;
    for (const L id : {L::Lblscore1, L::Lblscore2, L::Lblbonus1, L::Lblbonus2, L::Lbltiles1,
                       L::Lbltiles2, L::Lbltime1, L::Lbltime2, L::Lbltime3, L::Lbltime4}) {
        const mj::Label& label = game().label(id);
        int idleInk = 0, runningInk = 0;
        for (int y = label.Top / kPx; y < (label.Top + label.Height) / kPx; ++y)
            for (int x = label.Left / kPx; x < (label.Left + label.Width) / kPx; ++x) {
                idleInk += idle.pixel(x, y) != kGreen;
                runningInk += screen.pixel(x, y) != kGreen;
            }
        EXPECT_EQ(idleInk, 0) << mj::labelName(id);
        EXPECT_GT(runningInk, 0) << mj::labelName(id);
    }
}

} // namespace
