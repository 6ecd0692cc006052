// The corner table and the edge rule on given boards.
#include "board/corner_table.h"
#include "board_tables.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace mj::board;
using boardtest::_;
using boardtest::boardWithout;
using boardtest::lowerSlotIn;

struct CornerCase {
    std::string name;
    int piece;
    std::vector<int> gone; // the tiles missing from an otherwise full board
    int expected;          // a corner template, or kHidden
};

void PrintTo(const CornerCase& c, std::ostream* os) {
    *os << c.name;
}

Presence boardOf(const std::vector<int>& gone) {
    Presence p = Presence::full();
    for (const int s : gone)
        p.set(s, false);
    return p;
}

// Upper piece 144 has NW slot 75, NE 76, SW 90, SE 91 and background tile lower slot 0, so
// every row of the table can be reached on it. Lower piece 15 has NW 0, NE 1, SW 15, SE 16.
const CornerCase kCornerCases[] = {
    // The full board.
    {"FullBoardPiece0SEPresent", 0, {}, kHidden},
    {"FullBoardPiece1GreenSideCap", 1, {}, kGreenSideCap},
    {"FullBoardPiece19InnerCorner", 19, {}, kInnerCorner},
    // Row 1: SE holds a tile.
    {"Row1AllFourPresent", 144, {}, kHidden},
    {"Row1OnlySEPresent", 144, {75, 76, 90}, kHidden},
    {"Row1LowerAllFourPresent", 15, {}, kHidden},
    // Row 2: NW, NE and SW empty.
    {"Row2BackgroundPresent", 144, {75, 76, 90, 91}, kHidden},
    {"Row2BackgroundGone", 144, {75, 76, 90, 91, 0}, kHidden},
    // Row 3: NE and SW, NW either way.
    {"Row3NWPresent", 144, {91}, kInnerCorner},
    {"Row3NWGone", 144, {75, 91}, kInnerCorner},
    {"Row3NWGoneBackgroundGone", 144, {75, 91, 0}, kInnerCorner},
    // Row 4: NW and NE, SW empty.
    {"Row4BottomJoin", 144, {91, 90}, kBottomJoin},
    // Row 5: NW and SW, NE empty.
    {"Row5SideJoin", 144, {91, 76}, kSideJoin},
    // Row 6: NW only.
    {"Row6OuterCorner", 144, {91, 76, 90}, kOuterCorner},
    {"Row6OuterCornerBackgroundGone", 144, {91, 76, 90, 0}, kOuterCorner},
    // Row 7: NE only; white over a present background tile.
    {"Row7WhiteBottomCap", 144, {75, 90, 91}, kWhiteBottomCap},
    {"Row7GreenBottomCapBackgroundGone", 144, {75, 90, 91, 0}, kGreenBottomCap},
    // Row 8: SW only; white over a present background tile.
    {"Row8WhiteSideCap", 144, {75, 91, 76}, kWhiteSideCap},
    {"Row8GreenSideCapBackgroundGone", 144, {75, 91, 76, 0}, kGreenSideCap},
    // Lower-grid caps are green though the upper tile over the NW cell is present.
    {"LowerSideCapUnderFullUpperLayer", 15, {0, 1, 16}, kGreenSideCap},
    {"LowerBottomCapUnderFullUpperLayer", 15, {0, 15, 16}, kGreenBottomCap},
    {"LowerOuterCorner", 15, {1, 15, 16}, kOuterCorner},
    {"LowerSideJoin", 15, {1, 16}, kSideJoin},
    {"LowerBottomJoin", 15, {15, 16}, kBottomJoin},
    {"LowerInnerCornerNWGone", 15, {0, 16}, kInnerCorner},
    // A point whose NW and NE cells hold no slot shows only the green side cap.
    {"TopRowUpperPieceSideCap", 129, {76}, kGreenSideCap},
    {"TopRowUpperPieceHiddenWhileSEPresent", 129, {}, kHidden},
};

class CornerTable : public testing::TestWithParam<CornerCase> {};

TEST_P(CornerTable, PieceShowsWhatTheTableGives) {
    const CornerCase& c = GetParam();
    EXPECT_EQ(cornerLook(c.piece, boardOf(c.gone)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CornerTable, testing::ValuesIn(kCornerCases),
                         [](const testing::TestParamInfo<CornerCase>& param) {
                             return param.param.name;
                         });

// Row 1 comes first: an SE tile hides the piece whatever the other cells and the background.
TEST(CornerTableRows, SEPresentHidesWhateverTheOtherCellsHold) {
    for (int bits = 0; bits < 16; ++bits)
        EXPECT_EQ(
            cornerTable((bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, true, (bits & 8) != 0),
            kHidden)
            << "bits " << bits;
}

// On single-tile layers the tile's corner pieces show its own block: hidden at its top-left,
// side cap at its top-right, bottom cap at its bottom-left, outer corner at its bottom-right.
// Lower-grid caps stay green with the whole upper layer present; upper-grid caps are white
// exactly where the cell beyond the cap holds a present lower tile.
TEST(CornerTableRows, SingleTileBlocksAndCapColours) {
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 23; ++c) {
            const int lower = boardtest::kSlotTable[r][c];
            if (lower == _)
                continue;
            for (const bool otherLayerFull : {false, true})
                for (const int base : {0, 75}) {
                    const int s = lower + base;
                    SCOPED_TRACE(testing::Message()
                                 << "slot " << s << (otherLayerFull ? " other layer full" : ""));
                    Presence p;
                    p.set(s, true);
                    if (otherLayerFull)
                        for (int o = 75 - base; o < 150 - base; ++o)
                            p.set(o, true);
                    const bool upper = base == 75;
                    const bool whiteSide = upper && otherLayerFull && lowerSlotIn(c, r - 1) != _;
                    const bool whiteBottom = upper && otherLayerFull && lowerSlotIn(c - 1, r) != _;
                    const SlotCorners k = slotCorners(s);
                    if (k.topLeft != kNone) {
                        EXPECT_EQ(cornerLook(k.topLeft, p), kHidden);
                    }
                    EXPECT_EQ(cornerLook(k.topRight, p), whiteSide ? kWhiteSideCap : kGreenSideCap);
                    EXPECT_EQ(cornerLook(k.bottomLeft, p),
                              whiteBottom ? kWhiteBottomCap : kGreenBottomCap);
                    EXPECT_EQ(cornerLook(k.bottomRight, p), kOuterCorner);
                }
        }
}

TEST(CornerTableRows, EmptyBoardHidesEveryPiece) {
    const Presence empty;
    for (int k = 0; k < kPieces; ++k)
        EXPECT_EQ(cornerLook(k, empty), kHidden) << "piece " << k;
    for (int s = 0; s < kSlots; ++s) {
        EXPECT_FALSE(rightEdgeShown(s, empty)) << "slot " << s;
        EXPECT_FALSE(bottomEdgeShown(s, empty)) << "slot " << s;
    }
}

struct EdgeCase {
    const char* name;
    int slot;
    std::initializer_list<int> gone;
    bool right, bottom;
};

// Slot 0 has 1 at its right and 15 below; the upper layer never counts for a lower edge.
TEST(EdgeRule, ShownWhileTheTileIsPresentAndTheCellBeyondIsEmpty) {
    const EdgeCase cases[] = {
        {"full board", 0, {}, false, false},
        {"right neighbour gone", 0, {1}, true, false},
        {"lower neighbour gone", 0, {15}, false, true},
        {"both gone", 0, {1, 15}, true, true},
        {"tile itself gone", 0, {0, 1, 15}, false, false},
        {"upper layer gone, lower full", 0, {75, 76, 90}, false, false},
        {"upper tile with lower neighbours gone", 75, {1, 15}, false, false},
        {"upper right neighbour gone", 75, {76}, true, false},
        {"last cell of the grid", 74, {}, true, true},
        {"no slot below", 24, {}, false, true},
    };
    for (const EdgeCase& e : cases) {
        SCOPED_TRACE(e.name);
        const Presence p = boardWithout(e.gone);
        EXPECT_EQ(rightEdgeShown(e.slot, p), e.right);
        EXPECT_EQ(bottomEdgeShown(e.slot, p), e.bottom);
    }
}

} // namespace
