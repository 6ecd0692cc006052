#include "window/click_rule.h"

#include "support/dealt_game.h"
#include "support/probes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using mj::testing::changedLines;
using mj::testing::dumpLines;
using mj::testing::tileLine;

using mj::board::idx;

// A board dealt after 1000 ms, played through the click rule with a virtual clock.
class Selection : public ::testing::Test, public mj::testing::DealtGame {};

TEST_F(Selection, AFirstClickTurnsAFreeWhiteTileGreyAndChangesNothingElse) {
    const std::vector<int> free = clickableTiles();
    ASSERT_FALSE(free.empty());
    const int s = free.back(); // an upper tile: no corner piece may change
    ASSERT_GE(s, 75);
    const int white = templateOf(s);
    ASSERT_GE(white, 42);
    ASSERT_LT(white, 84);
    const std::string before = dump();

    click(s);

    EXPECT_EQ(w.Imgtile1[idx(s)].Picture, face(white - 42));
    EXPECT_TRUE(w.Imgtile1[idx(s)].Enabled);
    EXPECT_EQ(w.selectcount, 1);
    EXPECT_EQ(w.firstslot, s);
    EXPECT_EQ(w.clickedslot, s);
    const std::set<std::string> expected{tileLine(s), "field firstslot", "field selectcount",
                                         "field clickedslot", "field clickhandled"};
    EXPECT_EQ(changedLines(before, dump()), expected);
}

TEST_F(Selection, TheSelectedTileClickedAgainTurnsWhiteAndCanBeSelectedAgain) {
    const int s = clickableTiles().front();
    const int white = templateOf(s);
    const std::string before = dump();

    click(s);
    click(s);
    EXPECT_EQ(w.Imgtile1[idx(s)].Picture, face(white));
    EXPECT_EQ(w.selectcount, 0);
    std::set<std::string> changed = changedLines(before, dump());
    changed.erase("field firstslot");
    changed.erase("field clickedslot");
    changed.erase("field clickhandled");
    EXPECT_TRUE(changed.empty()) << *changed.begin();

    click(s);
    EXPECT_EQ(w.Imgtile1[idx(s)].Picture, face(white - 42));
    EXPECT_EQ(w.selectcount, 1);
}

TEST_F(Selection, ALowerTilesWhiteCapTurnsSilverWithItAndBack) {
    const int lower = uncoverLowerTileWithCap();
    ASSERT_GE(lower, 0) << "no pair uncovers a lower tile with a cap";
    ASSERT_TRUE(clickable(lower));
    mj::Image& piece = w.Imgvvak[idx(mj::board::faceCornerPiece(lower))];
    ASSERT_TRUE(piece.Visible);
    const bool side = piece.Picture == corner(3);
    ASSERT_TRUE(side || piece.Picture == corner(6)) << "no white cap on the piece of " << lower;
    const int white = templateOf(lower);
    const std::string before = dump();

    click(lower);
    EXPECT_EQ(piece.Picture, corner(side ? 8 : 11));
    EXPECT_EQ(w.Imgtile1[idx(lower)].Picture, face(white - 42));
    const std::string selected = dump();
    const std::string pieceLine =
        "Imgvvak(" + std::to_string(mj::board::faceCornerPiece(lower)) + ")";
    // firstslot and clickhandled may hold these values from the pair removed before.
    std::set<std::string> changed = changedLines(before, selected);
    changed.erase("field firstslot");
    changed.erase("field clickhandled");
    const std::set<std::string> expected{tileLine(lower), pieceLine, "field selectcount",
                                         "field clickedslot"};
    EXPECT_EQ(changed, expected);

    click(lower);
    EXPECT_EQ(piece.Picture, corner(side ? 3 : 6));
    EXPECT_TRUE(piece.Visible);
    EXPECT_EQ(w.Imgtile1[idx(lower)].Picture, face(white));

    click(lower);
    EXPECT_EQ(piece.Picture, corner(side ? 8 : 11));
    EXPECT_EQ(w.selectcount, 1);
}

TEST_F(Selection, AClickOnATileWithoutAWhiteFaceSelectsNothing) {
    const int s = clickableTiles().front();
    struct Look {
        const char* what;
        mj::PictureRef picture;
    };
    const Look looks[] = {{"grey face", face(5)},
                          {"yellow face", face(90)},
                          {"start tile picture", &w.pictures.startTile}};
    for (const Look& look : looks) {
        SCOPED_TRACE(look.what);
        w.Imgtile1[idx(s)].Picture = look.picture;
        w.firstslot = 0;
        const std::string before = dump();
        click(s);
        EXPECT_EQ(w.selectcount, 0);
        EXPECT_EQ(w.firstslot, s);
        EXPECT_EQ(w.Imgtile1[idx(s)].Picture, look.picture);
        std::set<std::string> changed = changedLines(before, dump());
        changed.erase("field clickedslot");
        EXPECT_EQ(changed, std::set<std::string>{"field firstslot"});
    }
}

TEST_F(Selection, ASecondClickOnATileWithoutAWhiteFaceTakesNoPair) {
    const auto [a, b] = makeMismatch();
    ASSERT_GE(a, 0);
    click(a);
    w.Imgtile1[idx(b)].Picture = face(7);
    click(b);
    EXPECT_EQ(w.selectcount, 1);
    EXPECT_EQ(w.firstslot, a);
    EXPECT_EQ(w.secondslot, b);
    EXPECT_TRUE(w.Imgtile1[idx(a)].Enabled);
    EXPECT_TRUE(w.Imgtile1[idx(b)].Enabled);
    EXPECT_EQ(w.Imgtile1[idx(b)].Picture, face(7));
    EXPECT_FALSE(w.Tmr3.Enabled());
    EXPECT_FALSE(w.Tmr4.Enabled());
}

TEST_F(Selection, ASecondSelectionTurnsTheTileGreyAndDisablesBoth) {
    const auto [a, b] = makeMismatch();
    ASSERT_GE(a, 0);
    const int faceA = templateOf(a) - 42, faceB = templateOf(b) - 42;
    click(a);
    click(b);
    EXPECT_EQ(w.selectcount, 2);
    EXPECT_EQ(w.firstslot, a);
    EXPECT_EQ(w.secondslot, b);
    EXPECT_EQ(w.Imgtile1[idx(a)].Picture, face(faceA));
    EXPECT_EQ(w.Imgtile1[idx(b)].Picture, face(faceB));
    EXPECT_FALSE(w.Imgtile1[idx(a)].Enabled);
    EXPECT_FALSE(w.Imgtile1[idx(b)].Enabled);
    EXPECT_FALSE(clickable(a));
    EXPECT_FALSE(clickable(b));
}

TEST_F(Selection, QuitWithATileSelectedLeavesNothingSelectedAtTheNextStart) {
    click(clickableTiles().front());
    ASSERT_EQ(w.selectcount, 1);
    mj::clickButton(w, mj::ButtonId::Cmdquit);
    clock.sync();
    mj::clickButton(w, mj::ButtonId::Cmdstart);
    clock.sync();
    EXPECT_EQ(w.selectcount, 0);
    for (int s = 0; s < mj::board::kSlots; ++s) {
        const int t = templateOf(s);
        EXPECT_TRUE(t >= 42 && t < 84) << "tile " << s << " shows template " << t;
    }
}

} // namespace
