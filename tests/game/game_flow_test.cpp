#include "game/number_display.h"
#include "window/frmmahjongg.h"

#include "support/probes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using mj::testing::cornerOf;
using mj::testing::RecordingSource;
using mj::testing::templateOf;

using mj::board::idx;
using L = mj::LabelId;

constexpr const char* kPauseCaption = "&Pause (-250 points / +15 sec)";
constexpr const char* kPauseOffCaption = "&Pause off";

const std::vector<L> kGameLabels = {L::Lblscore1, L::Lblscore2, L::Lblbonus1, L::Lblbonus2,
                                    L::Lblbonus3, L::Lbltime1,  L::Lbltime2,  L::Lbltime3,
                                    L::Lbltime4,  L::Lbltiles1, L::Lbltiles2};
const std::vector<L> kBestLabels = {L::Lblbests1, L::Lblbests2, L::Lblbestt1,
                                    L::Lblbestt2, L::Lblbestt3, L::Lblbestt4};

TEST(NumberDisplay, WritesNumbersAndSecondsAsTheLabelsShowThem) {
    struct Case {
        std::int64_t n;
        const char* number;
        const char* seconds; // nullptr: not a seconds value
    };
    const Case cases[] = {
        {0, " 0", " 00"},
        {1, " 1", " 01"},
        {7, " 7", " 07"},
        {9, " 9", " 09"},
        {10, " 10", " 10"},
        {59, " 59", " 59"},
        {100, " 100", nullptr},
        {150, " 150", nullptr},
        {1000, " 1000", nullptr},
        {99999, " 99999", nullptr},
        {-1, "-1", nullptr},
        {-250, "-250", nullptr},
        {-2147483648LL, "-2147483648", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mj::numberDisplay(c.n), c.number) << c.n;
        if (c.seconds) {
            EXPECT_EQ(mj::secondsDisplay(c.n), c.seconds) << c.n;
        }
    }
}

// A window that has run its load event, with its draws recorded.
struct Game : ::testing::Test {
    RecordingSource source;
    mj::Frmmahjongg w{source};
    mj::MinimalStandard freshSource;
    const mj::Frmmahjongg fresh{freshSource}; // the full-board edge look, as created

    Game() { w.Form_Load(); }

    std::string caption(L id) const { return w.label(id).Caption; }
    bool shown(L id) const { return w.label(id).Visible; }

    // The last pair of a game is gone: every tile and piece hidden, the countdown stopped by
    // the last match, and the game ends.
    void endGame() {
        for (int s = 0; s < 150; ++s) {
            w.Imgtile1[idx(s)].Visible = false;
            w.Imgpr[idx(s)].Visible = false;
            w.Imgvar[idx(s)].Visible = false;
        }
        for (auto& piece : w.Imgvvak)
            piece.Visible = false;
        w.tilesleft = 0;
        w.Tmr2.setEnabled(false);
        w.peliloppu();
    }
    // A whole game from Start to its end, with the given time and score.
    void playGame(int minutes, int seconds, int score) {
        if (w.Cmdnew.Visible)
            w.Cmdnew_Click();
        w.Cmdstart_Click();
        w.minutes = minutes;
        w.seconds = seconds;
        w.score = score;
        endGame();
    }

    void expectFullBoardEdgeLook() const {
        for (int s = 0; s < 150; ++s) {
            EXPECT_EQ(w.Imgpr[idx(s)].Visible, fresh.Imgpr[idx(s)].Visible) << "Imgpr " << s;
            EXPECT_EQ(w.Imgvar[idx(s)].Visible, fresh.Imgvar[idx(s)].Visible) << "Imgvar " << s;
        }
        for (int k = 0; k < mj::board::kPieces; ++k) {
            EXPECT_EQ(w.Imgvvak[idx(k)].Visible, fresh.Imgvvak[idx(k)].Visible) << k;
            if (fresh.Imgvvak[idx(k)].Visible) {
                EXPECT_EQ(cornerOf(w, k), cornerOf(fresh, k)) << "Imgvvak " << k;
            }
        }
    }
    // The draws since `from`: all of bound 41, and slots first..149 show their grey faces.
    void expectPreviewFaces(std::size_t from, int first) const {
        ASSERT_EQ(source.draws.size() - from, static_cast<std::size_t>(150 - first));
        for (int s = first; s < 150; ++s) {
            const auto [bound, value] = source.draws[from + static_cast<std::size_t>(s - first)];
            EXPECT_EQ(bound, 41);
            EXPECT_EQ(templateOf(w, s), value + 1) << "slot " << s; // grey faces 1 to 41
            EXPECT_FALSE(w.Imgtile1[idx(s)].Enabled) << "slot " << s;
        }
    }
    void expectOnlyTmr1() const {
        EXPECT_TRUE(w.Tmr1.Enabled());
        EXPECT_FALSE(w.Tmr2.Enabled());
        EXPECT_FALSE(w.Tmr3.Enabled());
        EXPECT_FALSE(w.Tmr4.Enabled());
        EXPECT_FALSE(w.Tmr5.Enabled());
    }

    // What every idle board has, however it was reached: the full-board edge look with the
    // spare slot hidden, Start as the only button and only Tmr1 running.
    void expectIdleBoard() const {
        EXPECT_FALSE(w.Imgtile1[150].Visible);
        expectFullBoardEdgeLook();
        expectOnlyTmr1();
        EXPECT_TRUE(w.Cmdstart.Visible);
        EXPECT_FALSE(w.Cmdquit.Visible || w.Cmdpause.Visible || w.Cmdnew.Visible);
    }
};

TEST_F(Game, StartAfterAQuitFromThePausedStateBeginsAfresh) {
    w.Cmdstart_Click();
    for (int i = 0; i < 70; ++i)
        w.Tmr5_Timer();
    for (int i = 0; i < 30; ++i)
        w.Tmr2_Timer();
    w.Cmdpause_Click();
    // What a Quit right after a match would also leave behind.
    w.selectcount = 2;
    w.pairpoints = 970;
    w.Lblbonus3.Caption = " 970";
    w.tilesleft = 40;
    w.Lbltiles2.Caption = " 40";
    w.Cmdquit_Click();
    ASSERT_EQ(w.paused, 1);
    ASSERT_EQ(w.tmr2held, 1);
    ASSERT_EQ(w.Cmdpause.Caption, kPauseOffCaption);
    w.bestscore = 4321; // as an earlier game left them
    w.bestminutes = 4;
    w.bestseconds = 55;

    w.Cmdstart_Click();
    EXPECT_EQ(w.tilesleft, 150);
    EXPECT_EQ(w.score, 0);
    EXPECT_EQ(w.bonus, 1000);
    EXPECT_EQ(w.pairpoints, 0);
    EXPECT_EQ(w.paused, 0);
    EXPECT_EQ(w.minutes, 0);
    EXPECT_EQ(w.seconds, 0);
    EXPECT_EQ(w.selectcount, 0);
    EXPECT_EQ(w.tmr2held, 0);
    EXPECT_EQ(w.tmr3held, 0);
    EXPECT_EQ(w.tmr4held, 0);
    EXPECT_EQ(w.bestscore, 4321);
    EXPECT_EQ(w.bestminutes, 4);
    EXPECT_EQ(w.bestseconds, 55);
    EXPECT_EQ(caption(L::Lbltiles2), " 150");
    EXPECT_EQ(caption(L::Lblscore2), " 0");
    EXPECT_EQ(caption(L::Lblbonus2), " 1000");
    EXPECT_EQ(caption(L::Lblbonus3), "");
    EXPECT_EQ(caption(L::Lbltime2), " 0");
    EXPECT_EQ(caption(L::Lbltime3), ":");
    EXPECT_EQ(caption(L::Lbltime4), " 00");
    EXPECT_EQ(w.Cmdpause.Caption, kPauseCaption);
    EXPECT_FALSE(w.Cmdstart.Visible);
    EXPECT_FALSE(w.Imgpause.Visible);
    for (const L id : kGameLabels)
        EXPECT_TRUE(shown(id)) << mj::labelName(id);

    // The first pause of the new game holds only what then runs.
    w.Cmdpause_Click();
    EXPECT_EQ(w.tmr2held, 1);
    EXPECT_EQ(w.tmr3held, 0);
    EXPECT_EQ(w.tmr4held, 0);
    EXPECT_EQ(caption(L::Lblscore2), "-250");
}

// The pause holds exactly the game timers that run, whatever the moment of the game, and the
// resume restarts exactly those.
TEST_F(Game, PauseHoldsTheRunningTimersAndResumeRestartsThem) {
    struct Case {
        const char* moment;
        bool tmr2, tmr3, tmr4;
    };
    const Case cases[] = {
        {"countdown running", true, false, false},
        {"a matched pair waiting", false, true, false},
        {"a mismatch waiting", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moment);
        w.Cmdstart_Click();
        w.Tmr2.setEnabled(c.tmr2);
        w.Tmr3.setEnabled(c.tmr3);
        w.Tmr4.setEnabled(c.tmr4);
        w.bonus = 345;
        w.pairpoints = 120;
        w.selectcount = 2;

        w.Cmdpause_Click();
        EXPECT_EQ(w.paused, 1);
        EXPECT_EQ(w.Cmdpause.Caption, kPauseOffCaption);
        EXPECT_TRUE(w.Imgpause.Visible);
        EXPECT_EQ(w.Imgpause.Left, 120);
        EXPECT_EQ(w.Imgpause.Top, 1800);
        EXPECT_EQ(w.Imgpause.Width, 11520);
        EXPECT_EQ(w.Imgpause.Height, 4680);
        EXPECT_FALSE(w.Tmr2.Enabled() || w.Tmr3.Enabled() || w.Tmr4.Enabled() || w.Tmr5.Enabled());
        EXPECT_TRUE(w.Tmr1.Enabled());
        EXPECT_EQ(w.tmr2held, c.tmr2 ? 1 : 0);
        EXPECT_EQ(w.tmr3held, c.tmr3 ? 1 : 0);
        EXPECT_EQ(w.tmr4held, c.tmr4 ? 1 : 0);
        EXPECT_TRUE(w.Cmdquit.Visible && w.Cmdpause.Visible);

        w.Cmdpause_Click();
        EXPECT_EQ(w.paused, 0);
        EXPECT_EQ(w.Cmdpause.Caption, kPauseCaption);
        EXPECT_FALSE(w.Imgpause.Visible);
        EXPECT_EQ(w.Tmr2.Enabled(), c.tmr2);
        EXPECT_EQ(w.Tmr3.Enabled(), c.tmr3);
        EXPECT_EQ(w.Tmr4.Enabled(), c.tmr4);
        EXPECT_TRUE(w.Tmr5.Enabled());
        EXPECT_EQ(w.tmr2held + w.tmr3held + w.tmr4held, 0);
        // Neither half touches the bonus, the pair or the selection; the resume costs nothing.
        EXPECT_EQ(w.bonus, 345);
        EXPECT_EQ(w.pairpoints, 120);
        EXPECT_EQ(w.selectcount, 2);
        EXPECT_EQ(w.score, -250);
        EXPECT_EQ(w.minutes * 60 + w.seconds, 15);
        w.Cmdquit_Click();
    }
}

TEST_F(Game, EveryPauseCosts250PointsAndFifteenSeconds) {
    struct Case {
        int minutes, seconds;
        const char* shownMinutes;
        const char* shownSeconds;
    };
    const Case cases[] = {
        {0, 0, " 0", " 15"},  {0, 44, " 0", " 59"},   {0, 45, " 1", " 00"},
        {0, 50, " 1", " 05"}, {12, 59, " 13", " 14"}, {99, 50, " 100", " 05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.minutes) + ":" + std::to_string(c.seconds));
        w.Cmdstart_Click();
        w.minutes = c.minutes;
        w.seconds = c.seconds;
        w.Cmdpause_Click();
        EXPECT_EQ(caption(L::Lbltime2), c.shownMinutes);
        EXPECT_EQ(caption(L::Lbltime4), c.shownSeconds);
        EXPECT_EQ(caption(L::Lblscore2), "-250");
        w.Cmdquit_Click();
    }

    // Pause, resume and pause again from a score of 100.
    w.Cmdstart_Click();
    w.score = 100;
    w.Cmdpause_Click();
    EXPECT_EQ(caption(L::Lblscore2), "-150");
    w.Cmdpause_Click();
    EXPECT_EQ(w.score, -150);
    EXPECT_EQ(caption(L::Lblscore2), "-150");
    w.Cmdpause_Click();
    EXPECT_EQ(w.score, -400);
    EXPECT_EQ(caption(L::Lblscore2), "-400");
    EXPECT_EQ(caption(L::Lbltime4), " 30");
}

// Quit records the abandoned score only when it beats the best one, and shows the best
// score labels only then; it never touches the best time.
TEST_F(Game, QuitRecordsOnlyAStrictlyGreaterScore) {
    struct Case {
        const char* what;
        std::optional<int> earlierQuit; // a score an earlier Quit abandoned
        int score;
        int best;
        bool labelsShown;
        const char* bestCaption;
    };
    const Case cases[] = {
        {"a score of 0", std::nullopt, 0, 0, false, " 0"},
        {"a negative score", std::nullopt, -250, 0, false, " 0"},
        {"the first score above 0", std::nullopt, 1, 1, true, " 1"},
        {"an equal score", 500, 500, 500, false, " 500"},
        {"a lower score", 500, 499, 500, false, " 500"},
        {"a greater score", 500, 501, 501, true, " 501"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSource source2;
        mj::Frmmahjongg q(source2);
        q.Form_Load();
        if (c.earlierQuit) {
            q.Cmdstart_Click();
            q.score = *c.earlierQuit;
            q.Cmdquit_Click();
            q.Lblbests2.Visible = q.Lblbests1.Visible = false; // seen only if shown again
        }
        q.Cmdstart_Click();
        q.score = c.score;
        q.Cmdquit_Click();
        EXPECT_EQ(q.bestscore, c.best);
        EXPECT_EQ(q.Lblbests2.Caption, c.bestCaption);
        EXPECT_EQ(q.Lblbests1.Visible, c.labelsShown);
        EXPECT_EQ(q.Lblbests2.Visible, c.labelsShown);
        EXPECT_EQ(q.bestminutes, 99999);
        EXPECT_EQ(q.bestseconds, 0);
        for (const L id : {L::Lblbestt1, L::Lblbestt2, L::Lblbestt3, L::Lblbestt4})
            EXPECT_FALSE(q.label(id).Visible) << mj::labelName(id);
        EXPECT_TRUE(q.Lblscore1.Visible && q.Lblscore2.Visible);
    }
}

TEST_F(Game, AQuitThatBeatsTheBestScoreChangesOnlyItsCaption) {
    playGame(4, 55, 300);
    w.Cmdnew_Click();
    w.Cmdstart_Click();
    w.minutes = 1; // a shorter game, abandoned
    w.score = 800;
    w.Cmdquit_Click();
    EXPECT_EQ(w.bestscore, 800);
    EXPECT_EQ(caption(L::Lblbests2), " 800");
    EXPECT_EQ(w.bestminutes, 4);
    EXPECT_EQ(w.bestseconds, 55);
    EXPECT_EQ(caption(L::Lblbestt2), " 4");
    EXPECT_EQ(caption(L::Lblbestt4), " 55");
    for (const L id : kBestLabels)
        EXPECT_TRUE(shown(id)) << mj::labelName(id);
}

TEST_F(Game, QuitLaysTheIdleBoardWithOneDrawOf41PerSlot) {
    w.Cmdstart_Click();
    w.Tmr3.setEnabled(true); // a pair removal pending
    w.Tmr4.setEnabled(true);
    w.Cmdpause_Click();
    const std::size_t before = source.draws.size();
    w.Cmdquit_Click();
    expectPreviewFaces(before, 0);
    for (int s = 0; s < 150; ++s)
        EXPECT_TRUE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
    expectIdleBoard();
    EXPECT_FALSE(w.Imgpause.Visible);
    for (const L id : kGameLabels)
        EXPECT_EQ(shown(id), id == L::Lblscore1 || id == L::Lblscore2) << mj::labelName(id);
    // A Quit from the paused state leaves the pause's fields for Start to reset.
    EXPECT_EQ(w.paused, 1);
    EXPECT_EQ(w.tmr3held, 1);
    EXPECT_EQ(w.tmr4held, 1);
    EXPECT_EQ(w.Cmdpause.Caption, kPauseOffCaption);
    EXPECT_EQ(caption(L::Lblscore2), "-250");
}

TEST_F(Game, TheGameEndKeepsTheFinalScoreAndTime) {
    w.Cmdstart_Click();
    for (int i = 0; i < 67; ++i)
        w.Tmr5_Timer();
    w.score = 12345;
    endGame();
    expectOnlyTmr1();
    EXPECT_TRUE(w.Cmdnew.Visible);
    EXPECT_FALSE(w.Cmdstart.Visible || w.Cmdquit.Visible || w.Cmdpause.Visible);
    for (const L id : kGameLabels) {
        const bool stays = id == L::Lblscore1 || id == L::Lblscore2 || id == L::Lbltime1 ||
                           id == L::Lbltime2 || id == L::Lbltime3 || id == L::Lbltime4;
        EXPECT_EQ(shown(id), stays) << mj::labelName(id);
    }
    EXPECT_EQ(caption(L::Lbltime2), " 1");
    EXPECT_EQ(caption(L::Lbltime4), " 07");
    for (const L id : kBestLabels)
        EXPECT_TRUE(shown(id)) << mj::labelName(id);
    EXPECT_EQ(caption(L::Lblbests2), " 12345");
    EXPECT_EQ(caption(L::Lblbestt2), " 1");
    EXPECT_EQ(caption(L::Lblbestt3), ":");
    EXPECT_EQ(caption(L::Lblbestt4), " 07");
}

// The best time changes only for a strictly shorter game: fewer minutes, or the same minutes
// and fewer seconds. The first completed game always sets it.
TEST_F(Game, TheBestTimeTakesOnlyAStrictlyShorterGame) {
    struct Time {
        int m, s;
    };
    struct Case {
        Time best, game, expected;
    };
    const Case cases[] = {
        {{5, 40}, {4, 55}, {4, 55}}, {{4, 55}, {5, 10}, {4, 55}}, {{4, 55}, {4, 50}, {4, 50}},
        {{4, 55}, {4, 55}, {4, 55}}, {{5, 10}, {5, 50}, {5, 10}}, {{4, 50}, {5, 5}, {4, 50}},
        {{5, 5}, {4, 50}, {4, 50}},  {{0, 0}, {0, 0}, {0, 0}},    {{9, 59}, {10, 0}, {9, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.best.m) + ":" + std::to_string(c.best.s) + " then " +
                     std::to_string(c.game.m) + ":" + std::to_string(c.game.s));
        RecordingSource source2;
        mj::Frmmahjongg g(source2);
        g.Form_Load();
        g.Cmdstart_Click();
        g.minutes = c.best.m;
        g.seconds = c.best.s;
        g.tilesleft = 0;
        g.Tmr2.setEnabled(false);
        g.peliloppu();
        ASSERT_EQ(g.bestminutes, c.best.m);
        ASSERT_EQ(g.bestseconds, c.best.s);

        g.Cmdnew_Click();
        g.Cmdstart_Click();
        g.minutes = c.game.m;
        g.seconds = c.game.s;
        // A caption the record would overwrite.
        g.Lblbestt2.Caption = g.Lblbestt4.Caption = "?";
        g.Tmr2.setEnabled(false);
        g.peliloppu();
        EXPECT_EQ(g.bestminutes, c.expected.m);
        EXPECT_EQ(g.bestseconds, c.expected.s);
        const bool recorded = c.expected.m * 60 + c.expected.s < c.best.m * 60 + c.best.s;
        EXPECT_EQ(g.Lblbestt2.Caption, recorded ? mj::numberDisplay(c.expected.m) : "?");
        EXPECT_EQ(g.Lblbestt4.Caption, recorded ? mj::secondsDisplay(c.expected.s) : "?");
    }
}

TEST_F(Game, TheFirstCompletedGameAlwaysSetsTheBestTime) {
    playGame(3, 7, 0);
    EXPECT_EQ(w.bestminutes, 3);
    EXPECT_EQ(w.bestseconds, 7);
    EXPECT_EQ(caption(L::Lblbestt2), " 3");
    EXPECT_EQ(caption(L::Lblbestt3), ":");
    EXPECT_EQ(caption(L::Lblbestt4), " 07");
    EXPECT_EQ(caption(L::Lblbests2), " 0"); // a score of 0 is no record

    RecordingSource source2;
    mj::Frmmahjongg slow(source2);
    slow.Form_Load();
    slow.Cmdstart_Click();
    slow.minutes = 99998;
    slow.seconds = 59;
    slow.peliloppu();
    EXPECT_EQ(slow.bestminutes, 99998);
    EXPECT_EQ(slow.Lblbestt2.Caption, " 99998");
    EXPECT_EQ(slow.Lblbestt4.Caption, " 59");
}

TEST_F(Game, TheGameEndRecordsOnlyAStrictlyGreaterScore) {
    struct Case {
        int score;
        int best;
        const char* caption;
    };
    // One window, games in a row: the best score carries from each to the next.
    const Case cases[] = {
        {0, 0, " 0"},       {-500, 0, " 0"},    {300, 300, " 300"},
        {300, 300, " 300"}, {299, 300, " 300"}, {301, 301, " 301"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        playGame(5, 0, c.score);
        EXPECT_EQ(w.bestscore, c.best);
        EXPECT_EQ(caption(L::Lblbests2), c.caption);
        EXPECT_TRUE(shown(L::Lblbests1) && shown(L::Lblbests2));
    }
}

TEST_F(Game, NewGameLaysTheIdleBoardOverTheEmptyOne) {
    playGame(2, 30, 700);
    const std::size_t before = source.draws.size();
    w.Cmdnew_Click();
    expectPreviewFaces(before, 75);
    for (int s = 0; s < 75; ++s) {
        EXPECT_FALSE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
        EXPECT_FALSE(w.Imgtile1[idx(s)].Enabled) << "slot " << s;
    }
    for (int s = 75; s < 150; ++s)
        EXPECT_TRUE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
    expectIdleBoard();
    for (const L id : kGameLabels)
        EXPECT_FALSE(shown(id)) << mj::labelName(id);
    for (const L id : kBestLabels)
        EXPECT_TRUE(shown(id)) << mj::labelName(id);
    EXPECT_EQ(caption(L::Lblbests2), " 700");
    EXPECT_EQ(caption(L::Lblbestt2), " 2");
    EXPECT_EQ(caption(L::Lblbestt4), " 30");

    // Start from here deals a whole board, the lower layer included.
    w.Cmdstart_Click();
    for (int s = 0; s < 150; ++s)
        EXPECT_TRUE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
    EXPECT_EQ(caption(L::Lblscore2), " 0");
    EXPECT_TRUE(w.Tmr5.Enabled() && w.Tmr2.Enabled());
}

} // namespace
