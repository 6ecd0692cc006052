// The removal blocks on boards built directly: for each case the board before the removal, the
// removed pair (or a single slot) and the end state of every flag, edge piece and corner piece
// around the removed slots. Everything not listed must keep the look the board had before.
#include "removal_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace removaltest;
using mj::board::kLayerSlots;

enum class What { Flag, RightEdge, BottomEdge, Piece };
struct Set {
    What what;
    int index;
    int value; // the flag or the edge piece on (1) or off (0); the piece's template or hidden
};

constexpr bool shown = true, off = false;
constexpr int H = mj::board::kHidden;
constexpr int OC = mj::board::kOuterCorner, SJ = mj::board::kSideJoin, BJ = mj::board::kBottomJoin,
              IC = mj::board::kInnerCorner;
constexpr int GS = mj::board::kGreenSideCap, GB = mj::board::kGreenBottomCap;
constexpr int WS = mj::board::kWhiteSideCap, WB = mj::board::kWhiteBottomCap;

constexpr Set flagOn(int s) {
    return {What::Flag, s, 1};
}
constexpr Set flagOff(int s) {
    return {What::Flag, s, 0};
}
constexpr Set right(int s, bool on) {
    return {What::RightEdge, s, on ? 1 : 0};
}
constexpr Set bottom(int s, bool on) {
    return {What::BottomEdge, s, on ? 1 : 0};
}
constexpr Set piece(int k, int look) {
    return {What::Piece, k, look};
}

struct Case {
    std::string name;
    std::vector<int> gone; // tiles gone before the removal
    int first, second;     // the removed pair; second = kNone for one block on its own
    std::vector<Set> after;
    bool playable = true; // false: a board that play cannot produce, built for the block alone
    std::vector<Set> before = {}; // pieces as the board shows them before the removal
};

// Whether play can leave the board and pick the pair: no lower tile is gone under a present
// upper tile, a removed upper tile has its lower tile present, a removed lower tile is
// uncovered, and each removed tile was free at a side when it was picked.
bool playable(const Case& c) {
    const mj::board::Presence before = boardWithout(c.gone);
    for (int s = 0; s < kLayerSlots; ++s)
        if (!before[s] && before[s + kLayerSlots])
            return false;
    for (const int s : {c.first, c.second}) {
        if (s == kNone)
            continue;
        if (!before[s])
            return false;
        if (s < kLayerSlots && before[s + kLayerSlots])
            return false;
        if (s >= kLayerSlots && !before[s - kLayerSlots])
            return false;
        const int l = mj::board::leftNeighbour(s), r = mj::board::rightNeighbour(s);
        if (l != kNone && r != kNone && before[l] && before[r])
            return false;
    }
    return true;
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        // Lower layer, pairs.
        {"pair 4 and 5, the last two of their run",
         {2, 3, 6, 7, 77, 78, 79, 80, 81, 82},
         4,
         5,
         {flagOn(3), flagOn(4), flagOn(5), flagOn(6), right(3, off), right(4, off), right(5, off),
          bottom(4, off), bottom(5, off), piece(3, H), piece(4, H), piece(5, H), piece(19, GS),
          piece(20, H), piece(21, H)},
         true,
         {piece(5, GS), piece(19, IC), piece(20, BJ), piece(21, OC)}},
        {"pair 9 and 10, the last two of their run",
         {8, 11, 12, 13, 83, 84, 85, 86, 87, 88},
         9,
         10,
         {flagOn(9), flagOn(10), flagOn(11), right(8, off), right(9, off), right(10, off),
          bottom(9, off), bottom(10, off), piece(8, H), piece(9, H), piece(10, H), piece(25, GS),
          piece(26, H), piece(27, H)}},
        {"pair 14 and 24 beside 23",
         {25, 26, 89, 99, 100, 101},
         14,
         24,
         {flagOn(15), flagOn(25), right(14, off), bottom(14, off), right(24, off), bottom(24, off),
          right(23, shown), piece(14, H), piece(32, GS), piece(33, GB), piece(46, OC),
          piece(47, H)}},
        {"pair 24 and 25, the last two of their run",
         {23, 26, 16, 34, 98, 99, 100, 101, 91, 109},
         24,
         25,
         {flagOn(24), flagOn(25), right(23, off), right(24, off), right(25, off), bottom(24, off),
          bottom(25, off), bottom(14, shown), bottom(15, shown), piece(32, GB), piece(33, BJ),
          piece(34, OC), piece(46, H), piece(47, H), piece(48, GS)},
         true,
         {piece(32, H), piece(33, H), piece(34, SJ), piece(46, GB), piece(48, SJ)}},
        {"pair 1 and 16",
         {25, 26, 76, 91, 100, 101},
         1,
         16,
         {flagOn(15), right(0, shown), right(15, shown), right(1, off), right(16, off),
          bottom(1, off), bottom(16, off), piece(0, GS), piece(15, SJ), piece(34, OC), piece(1, H),
          piece(16, H), piece(35, H)}},
        // Lower layer, one block.
        {"slot 0 with 1 and 15 present, 14 and 16 gone",
         {14, 16, 75, 89, 91},
         0,
         kNone,
         {right(0, off), bottom(0, off), piece(0, H), piece(14, H), piece(15, IC)}},
        {"slot 1 with 0, 15 and 16 present",
         {76},
         1,
         kNone,
         {right(1, off), bottom(1, off), right(0, shown), piece(0, GS), piece(1, H), piece(15, H),
          piece(16, GS)},
         true,
         {piece(16, SJ)}},
        {"slot 1 with 0 and 15 present, 16 gone",
         {16, 76, 91},
         1,
         kNone,
         {right(1, off), bottom(1, off), right(0, shown), piece(0, GS), piece(1, H), piece(15, SJ),
          piece(16, H)},
         true,
         {piece(15, IC), piece(16, OC)}},
        {"slot 16 with 0, 1 and 15 gone",
         {0, 1, 15, 75, 76, 90, 91},
         16,
         kNone,
         {flagOn(15), right(15, off), bottom(1, off), right(16, off), bottom(16, off), piece(15, H),
          piece(16, H), piece(34, H), piece(35, GS)}},
        {"slot 16 with only 15 of 0, 1, 15",
         {0, 1, 75, 76, 91},
         16,
         kNone,
         {flagOn(15), right(15, shown), bottom(1, off), right(16, off), bottom(16, off),
          piece(15, GS), piece(16, H), piece(34, H), piece(35, GS)}},
        {"slot 16 with only 0 of 0, 1, 15",
         {1, 15, 76, 90, 91},
         16,
         kNone,
         {flagOn(15), right(15, off), bottom(1, off), right(16, off), bottom(16, off),
          piece(15, OC), piece(16, H), piece(34, H), piece(35, GS)}},
        {"slot 16 with only 1 of 0, 1, 15",
         {0, 15, 75, 90, 91},
         16,
         kNone,
         {flagOn(15), right(15, off), bottom(1, shown), right(16, off), bottom(16, off),
          piece(15, GB), piece(16, OC), piece(34, H), piece(35, GS)}},
        {"slot 16 with 0 and 1, 15 gone",
         {15, 90, 91},
         16,
         kNone,
         {flagOn(15), right(15, off), bottom(1, shown), right(16, off), bottom(16, off),
          piece(15, BJ), piece(16, OC), piece(34, H), piece(35, GS)}},
        {"slot 16 with 0, 1 and 15",
         {91},
         16,
         kNone,
         {flagOn(15), right(15, shown), bottom(1, shown), right(16, off), bottom(16, off),
          piece(15, IC), piece(16, OC), piece(34, H), piece(35, GS)}},
        {"slot 4 with 2, 3 and 18 gone, 5, 6 and 7 present",
         {2, 3, 18, 77, 78, 79, 93},
         4,
         kNone,
         {flagOn(3), flagOn(5), right(3, off), right(4, off), bottom(4, off), piece(3, H),
          piece(4, H), piece(19, H), piece(20, GB)},
         true,
         {piece(19, GB), piece(20, BJ)}},
        {"slot 2 with 3 and 18 gone, 17 present",
         {3, 18, 77, 78, 93},
         2,
         kNone,
         {flagOn(3), right(2, off), bottom(2, off), piece(2, H), piece(17, H), piece(18, GS)},
         true,
         {piece(2, GS), piece(18, SJ)}},
        {"slot 2 with 17 gone, 3 and 18 present",
         {17, 77, 92},
         2,
         kNone,
         {flagOn(3), right(2, off), bottom(2, off), piece(2, H), piece(17, H), piece(18, H)},
         true,
         {piece(17, GB)}},
        {"slot 73 with 74 present",
         {148},
         73,
         kNone,
         {right(73, off), bottom(73, off), piece(108, H), piece(126, H), piece(127, GB)},
         true,
         {piece(127, BJ)}},
        {"slot 70 between 69 and 71",
         {},
         70,
         kNone,
         {flagOn(69), flagOn(71), right(69, shown), right(70, off), bottom(70, off), piece(103, GS),
          piece(104, H), piece(122, OC), piece(123, GB)},
         false},
        // Both layers.
        {"pair 3 and 130",
         {2, 77, 78},
         3,
         130,
         {flagOn(4), right(3, off), bottom(3, off), piece(2, H), piece(3, H), piece(18, H),
          piece(19, IC), right(129, shown), bottom(122, shown), right(130, off), bottom(130, off),
          piece(211, IC), piece(212, OC), piece(226, SJ), piece(227, H)}},
        {"pair 2 and 78, 77 and 93 gone, 92 present",
         {77, 93},
         2,
         78,
         {flagOn(3), flagOn(79), right(2, off), bottom(2, off), right(78, off), bottom(78, off),
          piece(2, H), piece(17, H), piece(18, H), piece(131, H), piece(132, H), piece(147, GS),
          piece(148, WB)}},
        // Upper layer, pairs.
        {"pair 75 and 76, 90 present and 91 gone",
         {91},
         75,
         76,
         {right(75, off), bottom(75, off), right(76, off), bottom(76, off), piece(129, H),
          piece(130, H), piece(143, H), piece(144, WS), piece(145, H)}},
        {"pair 75 and 91, 76 present and 90 gone",
         {90},
         75,
         91,
         {flagOn(90), right(75, off), bottom(75, off), right(91, off), bottom(91, off),
          right(90, off), bottom(76, shown), piece(129, H), piece(143, GS), piece(144, WB),
          piece(145, OC), piece(163, H), piece(164, WS)},
         true,
         {piece(144, H)}},
        {"pair 80 and 81 between 79 and 82",
         {},
         80,
         81,
         {flagOn(79), flagOn(80), flagOn(81), flagOff(5), flagOff(6), right(79, shown),
          right(80, off), right(81, off), bottom(80, off), bottom(81, off), piece(133, GS),
          piece(134, H), piece(135, H), piece(149, OC), piece(150, H), piece(151, WB)},
         false},
        {"pair 78 and 93 on an otherwise full board",
         {},
         78,
         93,
         {flagOn(79), flagOff(3), right(77, shown), right(78, off), bottom(78, off),
          right(92, shown), right(93, off), bottom(93, off), piece(131, GS), piece(132, H),
          piece(147, SJ), piece(148, WB), piece(166, H), piece(167, WS)},
         false},
        // Upper layer, one block.
        {"slot 78 with lower 2 and 4 present",
         {},
         78,
         kNone,
         {flagOn(79), flagOff(3), right(77, shown), right(78, off), bottom(78, off), piece(131, GS),
          piece(132, H), piece(147, H), piece(148, IC)},
         false},
        {"slot 78 after lower 2 has gone",
         {2, 77},
         78,
         kNone,
         {flagOn(79), flagOn(3), right(77, off), right(78, off), bottom(78, off), piece(131, H),
          piece(132, H), piece(147, H), piece(148, IC)}},
        {"slot 78 after lower 4 has gone",
         {4, 79},
         78,
         kNone,
         {flagOn(79), flagOn(3), right(77, shown), right(78, off), bottom(78, off), piece(131, GS),
          piece(132, H), piece(147, H), piece(148, WS)}},
        {"slot 77 with 92 present, 78 and 93 gone",
         {78, 93},
         77,
         kNone,
         {flagOn(78), right(77, off), bottom(77, off), piece(131, H), piece(146, H),
          piece(147, WS)}},
        {"slot 78 with 92 and lower 2 present, 77 and 93 gone",
         {77, 93},
         78,
         kNone,
         {flagOn(79), flagOff(3), right(78, off), bottom(78, off), piece(131, H), piece(132, H),
          piece(147, WS), piece(148, WB)}},
        {"slot 78 with 92 present, 77, 93 and lower 2 gone",
         {2, 77, 93},
         78,
         kNone,
         {flagOn(79), flagOn(3), right(78, off), bottom(78, off), piece(131, H), piece(132, H),
          piece(147, GS), piece(148, WB)}},
        {"slot 76 with 75 present",
         {},
         76,
         kNone,
         {right(75, shown), right(76, off), bottom(76, off), piece(129, GS), piece(130, H),
          piece(144, H), piece(145, WS)}},
        {"slot 75 after 76 has gone",
         {76},
         75,
         kNone,
         {right(75, off), bottom(75, off), piece(129, H), piece(143, H), piece(144, H)}},
        {"slot 75 with 76 present, 90 and 91 gone",
         {90, 91},
         75,
         kNone,
         {right(75, off), bottom(75, off), piece(129, H), piece(143, GS), piece(144, WB)},
         true,
         {piece(144, BJ)}},
        {"slot 79 with 78 and 80 present",
         {},
         79,
         kNone,
         {flagOn(78), flagOn(80), flagOff(4), right(78, shown), right(79, off), bottom(79, off),
          piece(132, GS), piece(133, H), piece(148, SJ), piece(149, WB)},
         false},
        {"slot 84 with 95 and lower 8 present, 83 gone",
         {83},
         84,
         kNone,
         {flagOn(85), flagOff(9), right(83, off), right(84, off), bottom(84, off), piece(137, H),
          piece(138, H), piece(154, WS), piece(155, WB)}},
        {"slot 84 with 95 present, 83 and lower 8 gone",
         {8, 83},
         84,
         kNone,
         {flagOn(85), flagOn(9), right(83, off), right(84, off), bottom(84, off), piece(137, H),
          piece(138, H), piece(154, GS), piece(155, WB)}},
        {"slot 97 with 106 and lower 21 present, 96 and 107 gone",
         {96, 107},
         97,
         kNone,
         {right(96, off), right(97, off), bottom(97, off), piece(159, OC), piece(160, H),
          piece(172, WS), piece(173, H)}},
        {"slot 97 with 106 present, 96, 107 and lower 21 gone",
         {21, 96, 107},
         97,
         kNone,
         {right(96, off), right(97, off), bottom(97, off), piece(159, OC), piece(160, H),
          piece(172, GS), piece(173, H)}},
        {"slot 114 with 113 and 121 present, 122 gone",
         {122},
         114,
         kNone,
         {flagOn(113), right(113, shown), right(114, off), bottom(114, off), piece(183, GS),
          piece(184, H), piece(198, H), piece(199, WS)}},
        {"slot 147 with 134 and lower 58 present, 133 gone",
         {133},
         147,
         kNone,
         {flagOn(146), right(146, shown), right(147, off), bottom(147, off), bottom(133, off),
          piece(234, GS), piece(235, WB), piece(253, OC), piece(254, H)}},
        {"slot 147 with 134 present, 133 and lower 58 gone",
         {58, 133},
         147,
         kNone,
         {flagOn(146), right(146, shown), right(147, off), bottom(147, off), bottom(133, off),
          piece(234, GS), piece(235, GB), piece(253, OC), piece(254, H)}},
        {"slot 148 with 149 present",
         {},
         148,
         kNone,
         {right(148, off), bottom(148, off), piece(237, H), piece(255, H), piece(256, WB)},
         true,
         {piece(256, BJ)}},
        {"slot 149 with 148 present",
         {},
         149,
         kNone,
         {right(148, shown), right(149, off), bottom(149, off), piece(237, GS), piece(238, H),
          piece(256, OC), piece(257, H)}},
    };
    return all;
}

class RemovalBlocks : public testing::TestWithParam<std::size_t> {
  protected:
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};

    const Case& scenario() const { return cases()[GetParam()]; }

    // The window with the case's board before the removal, then both removed tiles hidden.
    void setUp() {
        const Case& c = scenario();
        showBoard(w, boardWithout(c.gone));
        for (const int s : {c.first, c.second})
            if (s != kNone)
                w.Imgtile1[idx(s)].Visible = false;
    }

    Look expectedLook() {
        Look look = lookOf(w);
        for (const Set& set : scenario().after) {
            const std::size_t i = idx(set.index);
            switch (set.what) {
            case What::Flag:
                look.flag[i] = set.value != 0;
                break;
            case What::RightEdge:
                look.rightEdge[i] = set.value != 0;
                break;
            case What::BottomEdge:
                look.bottomEdge[i] = set.value != 0;
                break;
            case What::Piece:
                look.pieceVisible[i] = set.value != H;
                look.piecePicture[i] =
                    set.value != H ? w.Imgvarjo1[idx(set.value)].Picture : look.piecePicture[i];
                break;
            }
        }
        return look;
    }

    // The pair through the whole chain, with the closing stage at its end.
    void runChain(int first, int second) {
        w.firstslot = static_cast<std::int16_t>(first);
        w.secondslot = static_cast<std::int16_t>(second);
        w.selectcount = 2;
        w.tilesleft = 100;
        w.tarkistus2();
        EXPECT_EQ(w.tilesleft, 98);
        EXPECT_EQ(w.selectcount, 0);
        EXPECT_EQ(w.firstslot, first);
        EXPECT_EQ(w.secondslot, second);
    }
};

TEST_P(RemovalBlocks, EndState) {
    const Case& c = scenario();
    EXPECT_EQ(playable(c), c.playable) << "the case's board and pair";
    setUp();
    for (const Set& set : c.before) {
        const mj::Image& k = w.Imgvvak[idx(set.index)];
        EXPECT_EQ(k.Visible, set.value != H) << "Imgvvak(" << set.index << ") before";
        if (k.Visible && set.value != H) {
            EXPECT_EQ(k.Picture, w.Imgvarjo1[idx(set.value)].Picture)
                << "Imgvvak(" << set.index << ") before";
        }
    }
    if (c.second == kNone) {
        setUp();
        const Look expected = expectedLook();
        w.removalBlock(c.first);
        expectSameLook(lookOf(w), expected);
        return;
    }
    // Either slot in firstslot, and the two blocks called on their own in descending order,
    // all give the same board.
    const int orders[3][2] = {{c.first, c.second}, {c.second, c.first}, {kNone, kNone}};
    for (const auto& order : orders) {
        SCOPED_TRACE(order[0] == kNone ? std::string("blocks in descending order")
                                       : "firstslot " + std::to_string(order[0]));
        setUp();
        const Look expected = expectedLook();
        if (order[0] != kNone) {
            runChain(order[0], order[1]);
        } else {
            w.removalBlock(std::max(c.first, c.second));
            w.removalBlock(std::min(c.first, c.second));
        }
        expectSameLook(lookOf(w), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RemovalBlocks, testing::Range<std::size_t>(0, cases().size()),
                         [](const testing::TestParamInfo<std::size_t>& param) {
                             std::string name;
                             for (const char ch : cases()[param.param].name)
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

// A stage whose slots hold neither removed tile writes nothing: entering the chain at any
// stage after the pair's changes no flag, edge or corner piece, and the closing stage still
// runs.
TEST(RemovalStages, StagesAfterThePairChangeNothing) {
    using Stage = void (mj::Frmmahjongg::*)();
    const Stage stages[] = {
        &mj::Frmmahjongg::tarkistus3,  &mj::Frmmahjongg::tarkistus4,  &mj::Frmmahjongg::tarkistus5,
        &mj::Frmmahjongg::tarkistus6,  &mj::Frmmahjongg::tarkistus7,  &mj::Frmmahjongg::tarkistus8,
        &mj::Frmmahjongg::tarkistus9,  &mj::Frmmahjongg::tarkistus10, &mj::Frmmahjongg::tarkistus11,
        &mj::Frmmahjongg::tarkistus12, &mj::Frmmahjongg::tarkistus13, &mj::Frmmahjongg::tarkistus14,
        &mj::Frmmahjongg::tarkistus15, &mj::Frmmahjongg::tarkistus16,
    };
    int firstOfStage = 10;
    for (const Stage stage : stages) {
        // The last two slots before the stage, so that their blocks would write next to it.
        const int a = firstOfStage - 2, b = firstOfStage - 1;
        SCOPED_TRACE(testing::Message()
                     << "stage of " << firstOfStage << " with pair " << a << " and " << b);
        mj::MinimalStandard rng;
        mj::Frmmahjongg w(rng);
        showBoard(w, boardWithout({a, b}));
        const Look before = lookOf(w);
        w.firstslot = static_cast<std::int16_t>(a);
        w.secondslot = static_cast<std::int16_t>(b);
        w.selectcount = 2;
        w.tilesleft = 100;
        (w.*stage)();
        expectSameLook(lookOf(w), before);
        EXPECT_EQ(w.tilesleft, 98);
        EXPECT_EQ(w.selectcount, 0);
        firstOfStage += 10;
    }
}

// The last pair of a game goes through the same chain, and the closing stage ends the game.
TEST(RemovalStages, LastPairEndsTheGame) {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w(rng);
    w.Cmdstart_Click();
    std::vector<int> gone;
    for (int s = 0; s < kSlots; ++s)
        if (s != 73 && s != 74)
            gone.push_back(s);
    showBoard(w, boardWithout(gone));
    w.Imgtile1[73].Visible = w.Imgtile1[74].Visible = false;
    w.firstslot = 74;
    w.secondslot = 73;
    w.selectcount = 2;
    w.tilesleft = 2;
    w.tarkistus2();
    EXPECT_EQ(w.tilesleft, 0);
    EXPECT_TRUE(w.Cmdnew.Visible);
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_FALSE(w.Imgpr[idx(s)].Visible) << s;
        EXPECT_FALSE(w.Imgvar[idx(s)].Visible) << s;
    }
    for (int k = 0; k < kPieces; ++k)
        EXPECT_FALSE(w.Imgvvak[idx(k)].Visible) << k;
}

} // namespace
