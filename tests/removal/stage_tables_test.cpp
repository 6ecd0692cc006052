// The per-slot tables of the removal stages held against what the removal blocks work with:
// each slot's cell, neighbours, interior neighbours, the slot beneath and its corner pieces;
// each corner piece's cells and background tile; and the flags and edge pieces that a block
// writes, on which tiles.
#include "removal/removal_rule.h"
#include "removal_board.h"
#include "stage_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace removaltest;
using mj::board::kLayerSlots;

std::set<int> setOf(std::initializer_list<int> values) {
    std::set<int> out;
    for (const int v : values)
        if (v != _)
            out.insert(v);
    return out;
}
template <std::size_t N> std::set<int> setOf(const std::array<int, N>& values) {
    std::set<int> out;
    for (const int v : values)
        if (v != _)
            out.insert(v);
    return out;
}

const PieceRow* pieceRow(int piece) {
    for (const PieceRow& row : kPieceRows)
        if (row.piece == piece)
            return &row;
    return nullptr;
}

TEST(StageTables, EverySlotHasOneRowInSlotOrder) {
    for (int s = 0; s < kSlots; ++s)
        EXPECT_EQ(kSlotRows[idx(s)].slot, s);
}

TEST(StageTables, SlotRowsAreWhatTheBlocksUse) {
    for (const SlotRow& row : kSlotRows) {
        SCOPED_TRACE(testing::Message() << "slot " << row.slot);
        const mj::removal::BlockData d = mj::removal::blockData(row.slot);
        EXPECT_EQ(mj::board::cellOf(row.slot).c, row.column);
        EXPECT_EQ(mj::board::cellOf(row.slot).r, row.row);
        EXPECT_EQ(d.left, row.left);
        EXPECT_EQ(d.right, row.right);
        EXPECT_EQ(d.up, row.up);
        EXPECT_EQ(d.down, row.down);
        EXPECT_EQ(setOf(d.interiorNeighbours), setOf(row.interiorNeighbours));
        EXPECT_EQ(d.corners[0], row.corners[0]) << "top-left";
        EXPECT_EQ(d.corners[1], row.corners[1]) << "top-right";
        EXPECT_EQ(d.corners[2], row.corners[2]) << "bottom-left";
        EXPECT_EQ(d.corners[3], row.corners[3]) << "bottom-right";
        if (row.slot < kLayerSlots) {
            EXPECT_EQ(d.interiorBeneath, kNone);
            continue;
        }
        // The slot beneath is the lower slot in the same cell.
        ASSERT_GE(row.beneath, 0);
        EXPECT_LT(row.beneath, kLayerSlots);
        EXPECT_EQ(mj::board::cellOf(row.beneath).c, row.column);
        EXPECT_EQ(mj::board::cellOf(row.beneath).r, row.row);
        EXPECT_EQ(d.interiorBeneath, row.interiorBeneath);
        if (row.interiorBeneath != _) {
            EXPECT_EQ(setOf({mj::board::leftNeighbour(row.interiorBeneath),
                             mj::board::rightNeighbour(row.interiorBeneath)}),
                      setOf(row.beneathSides));
        }
    }
}

// The upper slots over an interior lower slot are exactly those whose row names one.
TEST(StageTables, SlotsOverAnInteriorSlot) {
    std::set<int> fromRows;
    for (const SlotRow& row : kSlotRows)
        if (row.interiorBeneath != _)
            fromRows.insert(row.slot);
    EXPECT_EQ(fromRows, std::set<int>(kOverInterior.begin(), kOverInterior.end()));
    for (int s = kLayerSlots; s < kSlots; ++s) {
        const bool over =
            std::find(kOverInterior.begin(), kOverInterior.end(), s) != kOverInterior.end();
        EXPECT_EQ(mj::removal::blockData(s).interiorBeneath != kNone, over) << "slot " << s;
    }
}

TEST(StageTables, PieceRowsAreTheGrid) {
    for (const PieceRow& row : kPieceRows) {
        SCOPED_TRACE(testing::Message() << "Imgvvak(" << row.piece << ")");
        const mj::board::PointCells cells = mj::board::pointCells(row.piece);
        EXPECT_EQ(cells.nw, row.nw);
        EXPECT_EQ(cells.ne, row.ne);
        EXPECT_EQ(cells.sw, row.sw);
        EXPECT_EQ(cells.se, row.se);
        EXPECT_EQ(mj::board::backgroundTile(row.piece), row.background);
    }
}

// The two kinds of row agree: a slot lies in the SE, SW, NE and NW cell of the pieces at its
// top-left, top-right, bottom-left and bottom-right corners.
TEST(StageTables, SlotCornersAgreeWithPieceCells) {
    int checked = 0;
    for (const SlotRow& row : kSlotRows)
        for (std::size_t corner = 0; corner < 4; ++corner) {
            if (row.corners[corner] == _)
                continue;
            const PieceRow* p = pieceRow(row.corners[corner]);
            if (!p)
                continue;
            const int cell[4] = {p->se, p->sw, p->ne, p->nw};
            EXPECT_EQ(cell[corner], row.slot)
                << "slot " << row.slot << ", corner " << corner << ", Imgvvak(" << p->piece << ")";
            ++checked;
        }
    EXPECT_GT(checked, 300);
}

// What a block of slots 0-29 reads: its neighbours and the other cells of its corner pieces.
TEST(StageTables, TilesReadAreTheNeighbourhood) {
    for (const TilesReadRow& row : kTilesRead) {
        const mj::removal::BlockData d = mj::removal::blockData(row.slot);
        std::set<int> read = setOf({d.left, d.right, d.up, d.down});
        for (const int k : d.corners) {
            if (k == kNone)
                continue;
            const mj::board::PointCells c = mj::board::pointCells(k);
            for (const int cell : {c.nw, c.ne, c.sw, c.se})
                if (cell != kNone && cell != row.slot)
                    read.insert(cell);
        }
        EXPECT_EQ(read, setOf(row.tiles)) << "slot " << row.slot;
    }
}

// Each listed edge write is on the slot's own edges (hidden on the neighbour of that side, or
// without a test where there is none) or on the left neighbour's right edge and the upper
// neighbour's bottom edge (shown on that neighbour); a listed slot has all of them.
TEST(StageTables, EdgeWritesFollowTheNeighbours) {
    for (const int s : kEdgeTableSlots) {
        SCOPED_TRACE(testing::Message() << "block " << s);
        const mj::removal::BlockData d = mj::removal::blockData(s);
        int ownRight = 0, ownBottom = 0, leftRight = 0, upBottom = 0;
        for (const EdgeWrite& e : kEdgeWrites) {
            if (e.slot != s)
                continue;
            if (!e.shown && e.edge == Edge::Right) {
                ++ownRight;
                EXPECT_EQ(e.target, s);
                EXPECT_EQ(e.tile, d.right);
            } else if (!e.shown && e.edge == Edge::Bottom) {
                ++ownBottom;
                EXPECT_EQ(e.target, s);
                EXPECT_EQ(e.tile, d.down);
            } else if (e.edge == Edge::Right) {
                ++leftRight;
                EXPECT_EQ(e.target, d.left);
                EXPECT_EQ(e.tile, d.left);
            } else {
                ++upBottom;
                EXPECT_EQ(e.target, d.up);
                EXPECT_EQ(e.tile, d.up);
            }
        }
        EXPECT_EQ(ownRight, 1);
        EXPECT_EQ(ownBottom, 1);
        EXPECT_EQ(leftRight, d.left != kNone ? 1 : 0);
        EXPECT_EQ(upBottom, d.up != kNone ? 1 : 0);
    }
}

class StageBlocks : public testing::Test {
  protected:
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};

    // The flags that the block of `slot` turns on, on a board with every flag off.
    std::set<int> flagsSetBy(int slot, const mj::board::Presence& present) {
        showBoard(w, present);
        for (int s = 0; s < kSlots; ++s)
            w.Imgtile1[idx(s)].Enabled = false;
        w.removalBlock(slot);
        std::set<int> on;
        for (int s = 0; s < kSlots; ++s)
            if (w.Imgtile1[idx(s)].Enabled)
                on.insert(s);
        return on;
    }
};

// On the full board without the slot, a block sets exactly the flags of its interior
// neighbours; the slot beneath an upper slot is freed only once one of its sides is gone.
TEST_F(StageBlocks, FlagsEachBlockSets) {
    for (const SlotRow& row : kSlotRows) {
        SCOPED_TRACE(testing::Message() << "block " << row.slot);
        EXPECT_EQ(flagsSetBy(row.slot, boardWithout({row.slot})), setOf(row.interiorNeighbours));
        if (row.interiorBeneath == _)
            continue;
        for (const int side : row.beneathSides) {
            std::set<int> expected = setOf(row.interiorNeighbours);
            expected.insert(row.interiorBeneath);
            EXPECT_EQ(flagsSetBy(row.slot, boardWithout({row.slot, side})), expected)
                << "with lower tile " << side << " gone";
        }
    }
}

// Each listed edge write, on the full board without the slot, with its tile present and gone.
TEST_F(StageBlocks, EdgeWritesOnTheirTiles) {
    for (const EdgeWrite& e : kEdgeWrites) {
        SCOPED_TRACE(testing::Message() << "block " << e.slot << ", edge of " << e.target);
        auto edgeShown = [&] {
            return e.edge == Edge::Right ? w.Imgpr[idx(e.target)].Visible
                                         : w.Imgvar[idx(e.target)].Visible;
        };
        if (e.tile == _) { // hidden without a test
            showBoard(w, boardWithout({}));
            w.Imgtile1[idx(e.slot)].Visible = false;
            ASSERT_TRUE(edgeShown());
            w.removalBlock(e.slot);
            EXPECT_FALSE(edgeShown());
            continue;
        }
        for (const bool tilePresent : {true, false}) {
            SCOPED_TRACE(tilePresent ? "tile present" : "tile gone");
            showBoard(w, tilePresent ? boardWithout({}) : boardWithout({e.tile}));
            w.Imgtile1[idx(e.slot)].Visible = false;
            w.removalBlock(e.slot);
            EXPECT_EQ(edgeShown(), e.shown && tilePresent);
        }
    }
}

// The top-row pieces of the upper grid hold the green side cap from the window's creation,
// so showing one without a picture shows that cap.
TEST_F(StageBlocks, TopRowPiecesHoldTheGreenSideCap) {
    for (const int k : kTopRowPieces) {
        const PieceRow* p = pieceRow(k);
        ASSERT_NE(p, nullptr) << k;
        EXPECT_EQ(p->nw, _);
        EXPECT_EQ(p->ne, _);
        EXPECT_EQ(w.Imgvvak[idx(k)].Picture, w.Imgvarjo1[idx(mj::board::kGreenSideCap)].Picture)
            << "Imgvvak(" << k << ")";
    }
}

} // namespace
