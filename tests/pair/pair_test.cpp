
#include "support/dealt_game.h"
#include "support/probes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using mj::testing::changedLines;
using mj::testing::dumpLines;
using mj::testing::pieceLine;
using mj::testing::tileLine;

using mj::board::idx;

constexpr int kWhiteSideCap = 3, kWhiteBottomCap = 6, kSilverSideCap = 8, kSilverBottomCap = 11;
constexpr int kYellowSideCap = 0, kYellowBottomCap = 2, kGreenSideCap = 9, kGreenBottomCap = 10;

// A dealt game, with what these tests ask of its corner pieces.
class Game : public mj::testing::DealtGame {
  public:
    bool anyPieceShows(int t) const {
        for (const mj::Image& piece : w.Imgvvak)
            if (piece.Picture == corner(t))
                return true;
        return false;
    }
};

TEST(PairCheck, AMatchTurnsBothTilesYellowAndFreezesTheBonusOfThatMoment) {
    Game g;
    g.wait(333); // six steps of the countdown
    ASSERT_EQ(g.w.bonus, 994);
    const auto [a, b] = g.makeMatch();
    ASSERT_GE(a, 0);
    const int yellow = g.templateOf(a) + 42;

    g.click(a);
    g.click(b);

    EXPECT_EQ(g.w.Imgtile1[idx(a)].Picture, g.face(yellow));
    EXPECT_EQ(g.w.Imgtile1[idx(b)].Picture, g.face(yellow));
    EXPECT_FALSE(g.w.Imgtile1[idx(a)].Enabled);
    EXPECT_FALSE(g.w.Imgtile1[idx(b)].Enabled);
    EXPECT_EQ(g.w.selectcount, 2);
    EXPECT_EQ(g.w.pairpoints, 994);
    EXPECT_EQ(g.w.Lblbonus3.Caption, " 994");
    EXPECT_EQ(g.w.Lblbonus2.Caption, "");
    EXPECT_FALSE(g.w.Tmr2.Enabled());
    EXPECT_TRUE(g.w.Tmr3.Enabled());
    EXPECT_FALSE(g.w.Tmr4.Enabled());
    EXPECT_EQ(g.w.score, 0);

    g.wait(499); // the countdown stands still while the pair waits
    EXPECT_EQ(g.w.bonus, 994);
    EXPECT_TRUE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_TRUE(g.w.Imgtile1[idx(b)].Visible);

    g.wait(1);
    EXPECT_FALSE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_FALSE(g.w.Imgtile1[idx(b)].Visible);
    EXPECT_EQ(g.w.score, 994);
    EXPECT_EQ(g.w.Lblscore2.Caption, " 994");
    EXPECT_EQ(g.w.pairpoints, 0);
    EXPECT_EQ(g.w.Lblbonus3.Caption, "");
    EXPECT_EQ(g.w.bonus, 1000);
    EXPECT_EQ(g.w.Lblbonus2.Caption, " 1000");
    EXPECT_EQ(g.w.tilesleft, 148);
    EXPECT_EQ(g.w.Lbltiles2.Caption, " 148");
    EXPECT_EQ(g.w.selectcount, 0);
    EXPECT_TRUE(g.w.Tmr2.Enabled());
    EXPECT_FALSE(g.w.Tmr3.Enabled());

    g.wait(50); // the countdown runs on from 1000
    EXPECT_EQ(g.w.bonus, 999);
}

// A lower tile with a white cap matched with an upper tile, as the first tile of the pair and
// as the second.
TEST(PairCheck, AMatchedLowerTilesCapTurnsYellowThenGreenWhenTheTileIsGone) {
    for (const bool lowerFirst : {true, false}) {
        SCOPED_TRACE(lowerFirst ? "lower tile first" : "lower tile second");
        Game g;
        const int lower = g.uncoverLowerTileWithCap();
        ASSERT_GE(lower, 0);
        const int piece = mj::board::faceCornerPiece(lower);
        const int white = g.cornerOf(piece);
        ASSERT_TRUE(white == kWhiteSideCap || white == kWhiteBottomCap) << white;
        const bool side = white == kWhiteSideCap;
        // A partner away from the piece, so that the upper tile beside it stays.
        const mj::board::PointCells cells = mj::board::pointCells(piece);
        const int partner = g.makePartner(lower, true, {cells.ne, cells.sw});
        ASSERT_GE(partner, 0) << "no free tile can match " << lower;
        const int yellow = g.templateOf(lower) + 42;

        g.click(lowerFirst ? lower : partner);
        g.click(lowerFirst ? partner : lower);
        EXPECT_EQ(g.w.Imgtile1[idx(lower)].Picture, g.face(yellow));
        EXPECT_EQ(g.cornerOf(piece), side ? kYellowSideCap : kYellowBottomCap);
        EXPECT_TRUE(g.w.Imgvvak[idx(piece)].Visible);
        EXPECT_TRUE(g.w.Tmr3.Enabled());

        g.wait(500);
        EXPECT_FALSE(g.w.Imgtile1[idx(lower)].Visible);
        EXPECT_FALSE(g.anyPieceShows(kYellowSideCap));
        EXPECT_FALSE(g.anyPieceShows(kYellowBottomCap));
        // The upper tile beside it still stands, so the cap stays, green now its tile is gone.
        EXPECT_EQ(g.cornerOf(piece), side ? kGreenSideCap : kGreenBottomCap);
        EXPECT_TRUE(g.w.Imgvvak[idx(piece)].Visible);
    }
}

TEST(PairCheck, AMismatchStartsTheUndoAndChangesNothingElse) {
    Game g;
    const int lower = g.uncoverLowerTileWithCap();
    ASSERT_GE(lower, 0);
    const int piece = mj::board::faceCornerPiece(lower);
    const bool side = g.cornerOf(piece) == kWhiteSideCap;
    const int other = g.makePartner(lower, false);
    ASSERT_GE(other, 0);
    g.wait(20); // keep the undo off a step of the countdown
    const int whiteLower = g.templateOf(lower), whiteOther = g.templateOf(other);
    const std::string bonusLabel = g.w.Lblbonus2.Caption;

    g.click(other);
    const std::string before = g.dump();
    g.click(lower);

    EXPECT_EQ(g.w.Imgtile1[idx(other)].Picture, g.face(whiteOther - 42));
    EXPECT_EQ(g.w.Imgtile1[idx(lower)].Picture, g.face(whiteLower - 42));
    EXPECT_EQ(g.cornerOf(piece), side ? kSilverSideCap : kSilverBottomCap);
    EXPECT_TRUE(g.w.Tmr4.Enabled());
    EXPECT_FALSE(g.w.Tmr3.Enabled());
    EXPECT_TRUE(g.w.Tmr2.Enabled());
    EXPECT_EQ(g.w.Lblbonus3.Caption, "");
    EXPECT_EQ(g.w.Lblbonus2.Caption, bonusLabel);
    EXPECT_EQ(g.w.pairpoints, 0);
    EXPECT_EQ(g.w.pairmatched, 0);
    // The flags of the click and of the check carry over from the pair removed before.
    std::set<std::string> changed = changedLines(before, g.dump());
    changed.erase("field clickhandled");
    changed.erase("field pairmatched");
    const std::set<std::string> expected{
        tileLine(other),    tileLine(lower),     pieceLine(piece),   "Tmr4",
        "field secondslot", "field selectcount", "field clickedslot"};
    EXPECT_EQ(changed, expected);

    g.wait(499);
    EXPECT_EQ(g.w.Imgtile1[idx(lower)].Picture, g.face(whiteLower - 42));
    const std::string waiting = g.dump();
    g.wait(1);
    EXPECT_EQ(g.w.Imgtile1[idx(other)].Picture, g.face(whiteOther));
    EXPECT_EQ(g.w.Imgtile1[idx(lower)].Picture, g.face(whiteLower));
    EXPECT_EQ(g.cornerOf(piece), side ? kWhiteSideCap : kWhiteBottomCap);
    EXPECT_TRUE(g.w.Imgtile1[idx(other)].Enabled);
    EXPECT_TRUE(g.w.Imgtile1[idx(lower)].Enabled);
    EXPECT_EQ(g.w.selectcount, 0);
    const std::set<std::string> undone{tileLine(other), tileLine(lower), pieceLine(piece), "Tmr4",
                                       "field selectcount"};
    EXPECT_EQ(changedLines(waiting, g.dump()), undone);

    // Picked again, in the other order, they make the same mismatch.
    g.click(lower);
    g.click(other);
    EXPECT_EQ(g.w.selectcount, 2);
    EXPECT_TRUE(g.w.Tmr4.Enabled());
    EXPECT_EQ(g.cornerOf(piece), side ? kSilverSideCap : kSilverBottomCap);
}

// A third tile clicked while the pair waits selects nothing and changes nothing, and the
// pair is still resolved 500 ms after its check.
TEST(PairCheck, AThirdTileInTheHalfSecondChangesNothing) {
    for (const bool match : {true, false}) {
        SCOPED_TRACE(match ? "after a match" : "after a mismatch");
        Game g;
        const auto [a, b0] = g.makeMatch();
        ASSERT_GE(a, 0);
        const int b = match ? b0 : g.makePartner(a, false);
        ASSERT_GE(b, 0);
        const int third = g.makePartner(a, false, {b});
        ASSERT_GE(third, 0);
        g.click(a);
        g.click(b);
        g.wait(200);
        const int thirdFace = g.templateOf(third);
        const std::string before = g.dump();

        g.click(third);
        std::set<std::string> changed = changedLines(before, g.dump());
        changed.erase("field clickedslot");
        changed.erase("field clickhandled");
        EXPECT_TRUE(changed.empty()) << *changed.begin() << " changed";

        g.wait(300);
        EXPECT_EQ(g.w.selectcount, 0);
        EXPECT_EQ(g.w.Imgtile1[idx(a)].Visible, !match);
        EXPECT_EQ(g.templateOf(third), thirdFace);
        EXPECT_FALSE(g.w.Tmr3.Enabled() || g.w.Tmr4.Enabled());
    }
}

TEST(PairCheck, APauseInTheHalfSecondAfterAMatchHoldsOnlyTheRemoval) {
    Game g;
    const auto [a, b] = g.makeMatch();
    ASSERT_GE(a, 0);
    g.click(a);
    g.click(b);
    ASSERT_EQ(g.w.pairpoints, 1000);
    g.wait(300);
    g.press(mj::ButtonId::Cmdpause);
    EXPECT_FALSE(g.w.Tmr3.Enabled());
    EXPECT_EQ(g.w.tmr3held, 1);
    EXPECT_EQ(g.w.tmr2held, 0);
    EXPECT_EQ(g.w.tmr4held, 0);
    EXPECT_FALSE(g.w.Tmr2.Enabled());
    EXPECT_EQ(g.w.score, -250);

    g.wait(5000);
    EXPECT_TRUE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_EQ(g.w.Lblbonus3.Caption, " 1000");
    EXPECT_EQ(g.w.Lblbonus2.Caption, "");

    g.press(mj::ButtonId::Cmdpause);
    EXPECT_TRUE(g.w.Tmr3.Enabled());
    EXPECT_FALSE(g.w.Tmr2.Enabled()); // the countdown was stopped by the match, not held
    EXPECT_EQ(g.w.tmr3held, 0);
    g.wait(499);
    EXPECT_TRUE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_EQ(g.w.Lblbonus2.Caption, "");
    g.wait(1);
    EXPECT_FALSE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_FALSE(g.w.Imgtile1[idx(b)].Visible);
    EXPECT_EQ(g.w.score, 750);
    EXPECT_EQ(g.w.Lblscore2.Caption, " 750");
    EXPECT_TRUE(g.w.Tmr2.Enabled());
}

TEST(PairCheck, APauseInTheHalfSecondAfterAMismatchHoldsTheCountdownAndTheUndo) {
    Game g;
    const auto [a, b] = g.makeMismatch();
    ASSERT_GE(a, 0);
    const int whiteA = g.templateOf(a);
    g.click(a);
    g.click(b);
    g.wait(120);
    const int bonus = g.w.bonus;
    g.press(mj::ButtonId::Cmdpause);
    EXPECT_EQ(g.w.tmr2held, 1);
    EXPECT_EQ(g.w.tmr4held, 1);
    EXPECT_EQ(g.w.tmr3held, 0);
    EXPECT_FALSE(g.w.Tmr2.Enabled() || g.w.Tmr3.Enabled() || g.w.Tmr4.Enabled());

    g.wait(5000);
    EXPECT_EQ(g.w.Imgtile1[idx(a)].Picture, g.face(whiteA - 42));
    EXPECT_EQ(g.w.bonus, bonus);

    g.press(mj::ButtonId::Cmdpause);
    EXPECT_TRUE(g.w.Tmr2.Enabled());
    EXPECT_TRUE(g.w.Tmr4.Enabled());
    g.wait(499);
    EXPECT_EQ(g.w.selectcount, 2);
    EXPECT_EQ(g.w.Imgtile1[idx(a)].Picture, g.face(whiteA - 42));
    g.wait(1);
    EXPECT_EQ(g.w.selectcount, 0);
    EXPECT_EQ(g.w.Imgtile1[idx(a)].Picture, g.face(whiteA));
    EXPECT_TRUE(g.w.Imgtile1[idx(a)].Enabled);
    EXPECT_TRUE(g.w.Imgtile1[idx(b)].Enabled);
}

TEST(PairCheck, QuitInTheHalfSecondAfterAMatchScoresNothingForThePair) {
    Game g;
    // A first pair scores, so that Quit has a score to set as the best.
    const auto [a1, b1] = g.makeMatch();
    ASSERT_GE(a1, 0);
    g.click(a1);
    g.click(b1);
    g.wait(500);
    ASSERT_EQ(g.w.score, 1000);

    const auto [a, b] = g.makeMatch();
    ASSERT_GE(a, 0);
    g.click(a);
    g.click(b);
    ASSERT_EQ(g.w.pairpoints, 1000);
    g.wait(250);
    g.press(mj::ButtonId::Cmdquit);
    EXPECT_FALSE(g.w.Tmr3.Enabled());
    EXPECT_EQ(g.w.score, 1000);
    EXPECT_EQ(g.w.Lblscore2.Caption, " 1000");
    EXPECT_EQ(g.w.bestscore, 1000);
    EXPECT_EQ(g.w.Lblbests2.Caption, " 1000");

    g.wait(2000); // the removal never comes
    EXPECT_EQ(g.w.score, 1000);
    EXPECT_EQ(g.w.tilesleft, 148);
    EXPECT_EQ(g.w.pairpoints, 1000);
    EXPECT_EQ(g.w.selectcount, 2);

    g.press(mj::ButtonId::Cmdstart);
    EXPECT_EQ(g.w.pairpoints, 0);
    EXPECT_EQ(g.w.Lblbonus3.Caption, "");
    EXPECT_EQ(g.w.selectcount, 0);
    EXPECT_EQ(g.w.score, 0);
    EXPECT_FALSE(g.anyPieceShows(kYellowSideCap) || g.anyPieceShows(kYellowBottomCap));
}

TEST(PairCheck, QuitInTheHalfSecondAfterAMismatchLeavesNoTraceOfThePair) {
    Game g;
    const int lower = g.uncoverLowerTileWithCap();
    ASSERT_GE(lower, 0);
    const int other = g.makePartner(lower, false);
    g.click(lower);
    g.click(other);
    ASSERT_TRUE(g.anyPieceShows(kSilverSideCap) || g.anyPieceShows(kSilverBottomCap));
    g.wait(250);
    g.press(mj::ButtonId::Cmdquit);
    EXPECT_FALSE(g.w.Tmr4.Enabled());
    EXPECT_FALSE(g.anyPieceShows(kSilverSideCap) || g.anyPieceShows(kSilverBottomCap));
    g.wait(2000); // the undo never comes
    EXPECT_EQ(g.w.selectcount, 2);
    for (int s = 0; s < mj::board::kSlots; ++s)
        EXPECT_FALSE(g.w.Imgtile1[idx(s)].Enabled) << s;

    g.press(mj::ButtonId::Cmdstart);
    EXPECT_EQ(g.w.selectcount, 0);
    EXPECT_FALSE(g.w.Tmr4.Enabled());
    const auto [a, b] = g.makeMatch(); // the new board takes a pair at once
    ASSERT_GE(a, 0);
    g.click(a);
    g.click(b);
    EXPECT_TRUE(g.w.Tmr3.Enabled());
}

TEST(PairCheck, AMatchAtBonusZeroScoresNothingAndIsRemovedAllTheSame) {
    Game g;
    g.wait(51000);
    ASSERT_EQ(g.w.bonus, 0);
    EXPECT_EQ(g.w.Lblbonus2.Caption, " 0");
    const auto [a, b] = g.makeMatch();
    ASSERT_GE(a, 0);
    g.click(a);
    g.click(b);
    EXPECT_EQ(g.w.pairpoints, 0);
    EXPECT_EQ(g.w.Lblbonus3.Caption, " 0");
    EXPECT_EQ(g.w.Lblbonus2.Caption, "");
    g.wait(500);
    EXPECT_FALSE(g.w.Imgtile1[idx(a)].Visible);
    EXPECT_EQ(g.w.score, 0);
    EXPECT_EQ(g.w.Lblscore2.Caption, " 0");
    EXPECT_EQ(g.w.Lblbonus2.Caption, " 1000");
    EXPECT_EQ(g.w.Lblbonus3.Caption, "");
    EXPECT_EQ(g.w.tilesleft, 148);
}

} // namespace
