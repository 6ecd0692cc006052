#include "platform/virtual_clock.h"
#include "script/dump.h"
#include "window/click_rule.h"

#include "support/board_rules.h"
#include "support/probes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using mj::testing::dumpLines;

using mj::board::idx;

// The names of the dump lines that differ; the loop counter is nobody's concern.
std::set<std::string> changedLines(const std::string& before, const std::string& after) {
    const auto a = dumpLines(before), b = dumpLines(after);
    std::set<std::string> changed;
    for (const auto& [name, rest] : a)
        if (b.at(name) != rest && name != "field loopindex")
            changed.insert(name);
    return changed;
}

std::string tileLine(int s) {
    return "Imgtile1(" + std::to_string(s) + ")";
}

// A board dealt after 1000 ms, played through the click rule with a virtual clock.
class Selection : public ::testing::Test {
  protected:
    Selection() {
        w.Form_Load();
        clock.sync();
        clock.advance(1000);
        mj::clickButton(w, mj::ButtonId::Cmdstart);
        clock.sync();
    }

    // The index of the face template whose picture the tile holds, or -1.
    int templateOf(int s) const {
        for (int t = 0; t < mj::board::kFaceTemplates; ++t)
            if (w.Imgtile1[idx(s)].Picture == w.Imgtmalli[idx(t)].Picture)
                return t;
        return -1;
    }
    mj::PictureRef face(int t) const { return w.Imgtmalli[idx(t)].Picture; }
    mj::PictureRef corner(int t) const { return w.Imgvarjo1[idx(t)].Picture; }

    bool clickable(int s) const { return mj::testing::clickable(w, s); }
    std::vector<int> clickableTiles() const { return mj::testing::clickableTiles(w); }
    // Two clickable tiles with different faces.
    std::pair<int, int> mismatch() const {
        const std::vector<int> free = clickableTiles();
        for (const int a : free)
            for (const int b : free)
                if (templateOf(a) != templateOf(b))
                    return {a, b};
        return {-1, -1};
    }

    void click(int s) {
        const mj::Image& t = w.Imgtile1[idx(s)];
        mj::clickAt(w, t.Left + 240, t.Top + 300);
        clock.sync();
    }
    std::string dump() const { return mj::dump(w, clock.now()); }

    // Takes off a matching pair that uncovers a lower tile whose face corner piece then shows
    // a white cap; returns that lower tile, or -1.
    int uncoverLowerTileWithCap() {
        const std::vector<int> free = clickableTiles();
        for (const int upper : free) {
            const int lower = upper - 75;
            if (lower < 0 || mj::board::isInterior(lower))
                continue;
            const mj::board::PointCells cells =
                mj::board::pointCells(mj::board::faceCornerPiece(lower));
            auto present = [this](int s) {
                return s != mj::board::kNone && w.Imgtile1[idx(s)].Visible;
            };
            if (present(cells.se) || present(cells.ne) == present(cells.sw))
                continue;
            for (const int partner : free)
                if (partner != upper && partner != cells.ne && partner != cells.sw &&
                    w.Imgtile1[idx(partner)].Picture == w.Imgtile1[idx(upper)].Picture) {
                    click(upper);
                    click(partner);
                    clock.advance(500);
                    return lower;
                }
        }
        return -1;
    }

    mj::MinimalStandard random;
    mj::Frmmahjongg w{random};
    mj::VirtualClock clock{w};
};

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
    const auto [a, b] = mismatch();
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
    const auto [a, b] = mismatch();
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
