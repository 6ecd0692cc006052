#include "deal/face_copies.h"
#include "window/frmmahjongg.h"

#include "support/probes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <set>
#include <vector>

namespace {

using mj::testing::cornerOf;
using mj::testing::RecordingSource;
using mj::testing::templateOf;

using mj::board::idx;

constexpr int kWhite = 42; // the first white-band face template

// The interior slots of both layers: a neighbour on both sides in their run.
constexpr std::array<int, 21> kLowerInterior = {3,  4,  5,  6,  9,  10, 11, 12, 15, 24, 25,
                                                36, 37, 38, 63, 64, 65, 68, 69, 70, 71};

bool isInteriorSlot(int slot) {
    for (const int s : kLowerInterior)
        if (slot == s || slot == s + 75)
            return true;
    return false;
}

// Draws scripted values per bound while they last, then falls back: a draw of 150 counts up
// round the slots (so the repetition scan always finds a free one), any other draw yields
// `fallback`. Every bound asked for is recorded.
struct ScriptedSource : mj::RandomSource {
    std::map<int, std::deque<int>> scripted;
    int next150 = 0;
    int fallback = 0;
    std::vector<int> bounds;

    int draw(int bound) override {
        bounds.push_back(bound);
        auto& queue = scripted[bound];
        if (!queue.empty()) {
            const int v = queue.front();
            queue.pop_front();
            return v;
        }
        if (bound == 150)
            return next150++ % 150;
        return fallback;
    }
    int count(int bound) const {
        int n = 0;
        for (const int b : bounds)
            n += b == bound;
        return n;
    }
};

// Once the faces are laid, before any swap, position k's slot shows face F(k) in white.
void expectFacesAlongDealOrder(const mj::Frmmahjongg& w) {
    for (int k = 0; k < 150; ++k)
        EXPECT_EQ(templateOf(w, w.dealorder[idx(k)]), kWhite + mj::deal::kFaceCopies[idx(k)])
            << "position " << k;
}

TEST(DealOrder, ARepeatedCandidateIsDrawnAgain) {
    ScriptedSource source;
    source.scripted[150] = {7, 7, 3};
    mj::Frmmahjongg w(source);
    w.Form_Load();
    source.bounds.clear();
    w.arvonta();
    EXPECT_EQ(w.dealorder[0], 7);
    EXPECT_EQ(w.dealorder[1], 3);
    // The fallback counts up from 0: position 2 takes 0, and 3 is skipped once it is taken.
    EXPECT_EQ(w.dealorder[2], 0);
    std::set<int> slots(w.dealorder.begin(), w.dealorder.begin() + 150);
    EXPECT_EQ(slots.size(), 150u);
    EXPECT_EQ(w.dealorder[150], 0); // never written
}

// Only the positions before the one being filled are compared: what an earlier deal left
// further on in the order does not reject a candidate.
TEST(DealOrder, AValueLeftByAnEarlierDealIsAccepted) {
    ScriptedSource source;
    mj::Frmmahjongg w(source);
    w.Form_Load();
    w.arvonta(); // the fallback order 0, 1, ..., 149
    ASSERT_EQ(w.dealorder[149], 149);
    ASSERT_EQ(w.dealorder[1], 1);

    source.next150 = 0;
    source.scripted[150] = {148, 149, 1};
    const int before = source.count(150);
    w.arvonta();
    EXPECT_EQ(w.dealorder[0], 148);
    EXPECT_EQ(w.dealorder[1], 149);
    EXPECT_EQ(w.dealorder[2], 1);
    // Positions 0 to 2 took one draw each; the rest fill from 0 upward and skip 1, 148, 149.
    EXPECT_EQ(w.dealorder[3], 0);
    EXPECT_EQ(w.dealorder[4], 2);
    EXPECT_EQ(source.count(150) - before, 3 + 148); // one rejection, of 1
}

TEST(SwapShuffle, TheDrawOf20000FixesTheNumberOfPasses) {
    struct Case {
        int drawn;
        int passes;
    };
    for (const Case c : {Case{0, 10001}, Case{1, 10002}, Case{19999, 30000}}) {
        ScriptedSource source;
        source.scripted[20000] = {c.drawn};
        mj::Frmmahjongg w(source);
        w.arvonta();
        EXPECT_EQ(source.count(20000), 1) << c.drawn;
        EXPECT_EQ(source.count(149), 2 * c.passes) << c.drawn;
    }
}

// One exchanging pass (slots 1 and 2), then 10000 passes with two equal slots: only the first
// moves pictures, and the spare slot keeps what that pass gave it.
TEST(SwapShuffle, APassWithEqualSlotsChangesNothing) {
    ScriptedSource source;
    source.scripted[20000] = {0};
    source.scripted[149] = {1, 2};
    for (int pass = 1; pass <= 10000; ++pass) {
        source.scripted[149].push_back(pass % 149);
        source.scripted[149].push_back(pass % 149);
    }
    mj::Frmmahjongg w(source);
    w.arvonta();
    ASSERT_TRUE(source.scripted[149].empty());

    // With the fallback order, slot k holds position k's face before the shuffle.
    for (int s = 0; s < 150; ++s) {
        const int laid = kWhite + mj::deal::kFaceCopies[idx(s)];
        const int expected = s == 1   ? kWhite + mj::deal::kFaceCopies[2]
                             : s == 2 ? kWhite + mj::deal::kFaceCopies[1]
                                      : laid;
        EXPECT_EQ(templateOf(w, s), expected) << "slot " << s;
    }
    EXPECT_EQ(templateOf(w, 150), kWhite + mj::deal::kFaceCopies[1]);
    EXPECT_FALSE(w.Imgtile1[150].Visible);

    // With no exchanging pass at all the spare slot keeps the picture it was created with.
    ScriptedSource still;
    still.fallback = 5;
    mj::Frmmahjongg v(still);
    const mj::PictureRef created = v.Imgtile1[150].Picture;
    v.arvonta();
    EXPECT_EQ(v.Imgtile1[150].Picture, created);
    expectFacesAlongDealOrder(v);
}

TEST(Deal, BeforeTheShuffleTheFaceCopiesLieAlongTheOrder) {
    RecordingSource source;
    source.equalSwaps = true;
    mj::Frmmahjongg w(source);
    w.Form_Load();
    w.arvonta();
    const int bamboo1 = kWhite + 0, bamboo9 = kWhite + 8, north = kWhite + 41;
    for (int k : {0, 1, 2, 3})
        EXPECT_EQ(templateOf(w, w.dealorder[idx(k)]), bamboo1) << k;
    EXPECT_NE(templateOf(w, w.dealorder[4]), bamboo1);
    for (int k : {32, 33})
        EXPECT_EQ(templateOf(w, w.dealorder[idx(k)]), bamboo9) << k;
    EXPECT_NE(templateOf(w, w.dealorder[31]), bamboo9);
    EXPECT_NE(templateOf(w, w.dealorder[34]), bamboo9);
    for (int k : {146, 147, 148, 149})
        EXPECT_EQ(templateOf(w, w.dealorder[idx(k)]), north) << k;
    EXPECT_NE(templateOf(w, w.dealorder[145]), north);
    expectFacesAlongDealOrder(w);
}

TEST(Deal, DrawsTheSlotOrderThenThePassCountThenTheSwaps) {
    for (const int offset : {0, 3, 1000}) {
        RecordingSource source;
        mj::Frmmahjongg w(source);
        w.Form_Load();
        for (int i = 0; i < offset; ++i)
            w.Tmr1_Timer();
        source.draws.clear();
        w.Cmdstart_Click();

        // One draw of 150 per candidate, until 150 different slots are in, then one of
        // 20000, then two of 149 for each pass.
        std::size_t i = 0;
        std::vector<int> firsts;
        std::set<int> seen;
        for (; i < source.draws.size() && seen.size() < 150; ++i) {
            ASSERT_EQ(source.draws[i].first, 150) << "draw " << i;
            if (seen.insert(source.draws[i].second).second)
                firsts.push_back(source.draws[i].second);
        }
        ASSERT_EQ(seen.size(), 150u);
        ASSERT_LT(i, source.draws.size());
        EXPECT_EQ(source.draws[i].first, 20000);
        const int passes = source.draws[i].second + 10001;
        ++i;
        EXPECT_EQ(source.draws.size() - i, static_cast<std::size_t>(2 * passes));
        for (; i < source.draws.size(); ++i)
            ASSERT_EQ(source.draws[i].first, 149) << "draw " << i;
        EXPECT_TRUE(std::equal(firsts.begin(), firsts.end(), w.dealorder.begin()));
    }
}

// A window whose board a game has left in some other state: tiles hidden or disabled, pieces
// shown with the wrong pictures.
void disturb(mj::Frmmahjongg& w) {
    for (int s = 0; s < 150; s += 3) {
        w.Imgtile1[idx(s)].Visible = false;
        w.Imgtile1[idx(s + 1)].Enabled = false;
    }
    for (int s = 0; s < 150; ++s) {
        w.Imgpr[idx(s)].Visible = s % 2 == 0;
        w.Imgvar[idx(s)].Visible = s % 2 == 1;
    }
    for (int k = 0; k < mj::board::kPieces; ++k) {
        w.Imgvvak[idx(k)].Visible = true;
        w.Imgvvak[idx(k)].Picture = w.Imgvarjo1[idx(k % 2 == 0 ? 0 : 2)].Picture;
    }
}

void expectPlayingBoard(const mj::Frmmahjongg& w, const mj::Frmmahjongg& fresh) {
    // The face copies: every tile white, four of each face, two of bamboo 9 and of each
    // season and flower.
    std::map<int, int> copies;
    for (int s = 0; s < 150; ++s) {
        const int t = templateOf(w, s);
        ASSERT_GE(t, kWhite) << "slot " << s;
        ASSERT_LT(t, 2 * kWhite) << "slot " << s;
        ++copies[t - kWhite];
    }
    for (int f = 0; f < 42; ++f) {
        const bool two = f == 8 || (f >= 30 && f <= 37);
        EXPECT_EQ(copies[f], two ? 2 : 4) << "face " << f;
    }
    for (int s = 0; s < 150; ++s) {
        EXPECT_TRUE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
        EXPECT_EQ(w.Imgtile1[idx(s)].Enabled, !isInteriorSlot(s)) << "slot " << s;
    }
    EXPECT_FALSE(w.Imgtile1[150].Visible);

    // The full-board edge look of a freshly created window.
    for (int s = 0; s < 150; ++s) {
        EXPECT_EQ(w.Imgpr[idx(s)].Visible, fresh.Imgpr[idx(s)].Visible) << "Imgpr " << s;
        EXPECT_EQ(w.Imgvar[idx(s)].Visible, fresh.Imgvar[idx(s)].Visible) << "Imgvar " << s;
    }
    for (int k = 0; k < mj::board::kPieces; ++k) {
        EXPECT_EQ(w.Imgvvak[idx(k)].Visible, fresh.Imgvvak[idx(k)].Visible) << "Imgvvak " << k;
        if (fresh.Imgvvak[idx(k)].Visible) {
            EXPECT_EQ(cornerOf(w, k), cornerOf(fresh, k)) << "Imgvvak " << k;
        }
    }

    EXPECT_TRUE(w.Cmdquit.Visible);
    EXPECT_TRUE(w.Cmdpause.Visible);
    EXPECT_FALSE(w.Cmdstart.Visible);
    EXPECT_FALSE(w.Cmdnew.Visible);
    EXPECT_FALSE(w.Imgpause.Visible);
    using L = mj::LabelId;
    for (const L shown :
         {L::Lblscore1, L::Lblscore2, L::Lblbonus1, L::Lblbonus2, L::Lblbonus3, L::Lbltime1,
          L::Lbltime2, L::Lbltime3, L::Lbltime4, L::Lbltiles1, L::Lbltiles2})
        EXPECT_TRUE(w.label(shown).Visible) << mj::labelName(shown);
    for (const L hidden :
         {L::Lblbests1, L::Lblbests2, L::Lblbestt1, L::Lblbestt2, L::Lblbestt3, L::Lblbestt4})
        EXPECT_FALSE(w.label(hidden).Visible) << mj::labelName(hidden);
    EXPECT_TRUE(w.Tmr1.Enabled());
    EXPECT_TRUE(w.Tmr2.Enabled());
    EXPECT_FALSE(w.Tmr3.Enabled());
    EXPECT_FALSE(w.Tmr4.Enabled());
    EXPECT_TRUE(w.Tmr5.Enabled());
}

TEST(Deal, EveryDealLaysAFullPlayingBoard) {
    mj::MinimalStandard freshSource;
    const mj::Frmmahjongg fresh(freshSource);
    for (const int offset : {0, 1, 2, 777, 40000}) {
        SCOPED_TRACE(offset);
        mj::MinimalStandard source;
        mj::Frmmahjongg w(source);
        w.Form_Load();
        for (int i = 0; i < offset; ++i)
            w.Tmr1_Timer();
        w.Cmdstart_Click();
        expectPlayingBoard(w, fresh);

        // Slot 149 takes part in no swap: it keeps the face of its position.
        const auto* at = std::find(w.dealorder.begin(), w.dealorder.begin() + 150, 149);
        const auto k = static_cast<std::size_t>(at - w.dealorder.begin());
        EXPECT_EQ(templateOf(w, 149), kWhite + mj::deal::kFaceCopies[k]);

        // A second deal on the board the first game left behind.
        disturb(w);
        w.Cmdquit_Click();
        disturb(w);
        w.Cmdstart_Click();
        expectPlayingBoard(w, fresh);
    }
}

TEST(Deal, TheSamePositionOfTheSourceGivesTheSameBoard) {
    mj::MinimalStandard a, b;
    mj::Frmmahjongg first(a), second(b);
    first.Form_Load();
    second.Form_Load();
    disturb(second);
    first.arvonta();
    second.arvonta();
    EXPECT_EQ(first.dealorder, second.dealorder);
    for (int s = 0; s <= 150; ++s)
        EXPECT_EQ(templateOf(first, s), templateOf(second, s)) << "slot " << s;
    EXPECT_EQ(a.state(), b.state());
}

} // namespace
