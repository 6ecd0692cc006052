#include "platform/random.h"
#include "window/click_rule.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

namespace {

using mj::board::idx;

// The closing stage run on its own on a dealt board whose pieces each case lays out.
class ClosingStage : public ::testing::Test {
  protected:
    ClosingStage() {
        w.Form_Load();
        mj::clickButton(w, mj::ButtonId::Cmdstart);
        w.Tmr2.setEnabled(false); // as the match left it
        w.selectcount = 2;
    }
    mj::PictureRef corner(int t) const { return w.Imgvarjo1[idx(t)].Picture; }
    void lay(int piece, int t, bool visible) {
        w.Imgvvak[idx(piece)].Picture = corner(t);
        w.Imgvvak[idx(piece)].Visible = visible;
    }

    mj::MinimalStandard random;
    mj::Frmmahjongg w{random};
};

TEST_F(ClosingStage, TurnsEveryYellowCapGreenAndLeavesVisibilityAlone) {
    struct Piece {
        int piece, shows;
        bool visible;
        int becomes;
    };
    const Piece pieces[] = {
        {145, 0, true, 9},   // yellow side cap -> green side cap
        {144, 2, true, 10},  // yellow bottom cap -> green bottom cap
        {147, 0, false, 9},  // hidden by the removal update: green, and still hidden
        {230, 2, false, 10}, //
        {3, 0, true, 9},     // any piece, lower grid included
        {256, 2, true, 10},  // the last piece of the sweep
        {162, 8, true, 8},   // silver, white and green caps stay as they are
        {163, 11, true, 11}, //
        {164, 3, true, 3},   //
        {165, 6, false, 6},  //
        {166, 9, true, 9},   //
        {167, 7, true, 7},   // and so does every other template
    };
    for (const Piece& p : pieces)
        lay(p.piece, p.shows, p.visible);

    w.tarkistus17();

    for (const Piece& p : pieces) {
        EXPECT_EQ(w.Imgvvak[idx(p.piece)].Picture, corner(p.becomes)) << "Imgvvak " << p.piece;
        EXPECT_EQ(w.Imgvvak[idx(p.piece)].Visible, p.visible) << "Imgvvak " << p.piece;
    }
    EXPECT_EQ(w.tilesleft, 148);
    EXPECT_EQ(w.Lbltiles2.Caption, " 148");
    EXPECT_EQ(w.selectcount, 0);
    EXPECT_TRUE(w.Tmr2.Enabled());
}

TEST_F(ClosingStage, EndsTheGameInsteadOfRestartingTheCountdownAtTheLastPair) {
    w.tilesleft = 2;
    w.tarkistus17();
    EXPECT_EQ(w.tilesleft, 0);
    EXPECT_EQ(w.Lbltiles2.Caption, " 0");
    EXPECT_EQ(w.selectcount, 0);
    EXPECT_FALSE(w.Tmr2.Enabled());
    EXPECT_FALSE(w.Tmr5.Enabled());
    EXPECT_TRUE(w.Cmdnew.Visible);
    EXPECT_FALSE(w.Lbltiles2.Visible);
}

} // namespace
