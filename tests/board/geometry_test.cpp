// Slots, cells, positions, runs and neighbours held against the board's tables.
#include "board/geometry.h"
#include "board_tables.h"
#include "platform/random.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace mj::board;
using boardtest::_;
using boardtest::kSlotTable;
using boardtest::lowerSlotIn;

constexpr Layer kLayers[] = {Layer::Lower, Layer::Upper};

// The ends of a slot's run: as far as its neighbours reach to the left and to the right.
int runFirst(int slot) {
    while (leftNeighbour(slot) != kNone)
        slot = leftNeighbour(slot);
    return slot;
}
int runLast(int slot) {
    while (rightNeighbour(slot) != kNone)
        slot = rightNeighbour(slot);
    return slot;
}

TEST(SlotTable, EveryCellHoldsItsSlotInBothLayers) {
    int occupied = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            SCOPED_TRACE(testing::Message() << "cell (" << c << ", " << r << ")");
            const int lower = kSlotTable[r][c];
            EXPECT_EQ(slotAt(Layer::Lower, c, r), lower);
            EXPECT_EQ(slotAt(Layer::Upper, c, r), lower == _ ? kNone : lower + 75);
            if (lower == _)
                continue;
            ++occupied;
            EXPECT_EQ(cellOf(lower).c, c);
            EXPECT_EQ(cellOf(lower).r, r);
            EXPECT_EQ(cellOf(lower + 75).c, c);
            EXPECT_EQ(cellOf(lower + 75).r, r);
        }
    EXPECT_EQ(occupied, 75);
}

TEST(SlotTable, CellsOffTheGridHoldNoSlot) {
    for (const Layer layer : kLayers) {
        EXPECT_EQ(slotAt(layer, -1, 2), kNone);
        EXPECT_EQ(slotAt(layer, 23, 6), kNone);
        EXPECT_EQ(slotAt(layer, 2, -1), kNone);
        EXPECT_EQ(slotAt(layer, 2, 7), kNone);
    }
}

struct PositionCase {
    int slot, left, top;
};

TEST(SlotPosition, OfTheOutermostSlotsAndTheSpare) {
    const PositionCase cases[] = {
        {23, 360, 3240}, {75, 1200, 1920}, {74, 10920, 5640}, {149, 10800, 5520}, {150, 5400, 3600},
    };
    mj::MinimalStandard rng;
    const mj::Frmmahjongg w(rng);
    for (const PositionCase& pc : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << pc.slot);
        EXPECT_EQ(slotPosition(pc.slot).left, pc.left);
        EXPECT_EQ(slotPosition(pc.slot).top, pc.top);
        EXPECT_EQ(w.Imgtile1[idx(pc.slot)].Left, pc.left);
        EXPECT_EQ(w.Imgtile1[idx(pc.slot)].Top, pc.top);
    }
}

// Lower slot in cell (c, r) at 360 + 480c, 2040 + 600r; its upper slot 120 further left and up.
TEST(SlotPosition, EveryTileImageStandsInItsCell) {
    mj::MinimalStandard rng;
    const mj::Frmmahjongg w(rng);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 23; ++c) {
            const int lower = kSlotTable[r][c];
            if (lower == _)
                continue;
            SCOPED_TRACE(testing::Message() << "slot " << lower);
            const mj::Image& lo = w.Imgtile1[idx(lower)];
            const mj::Image& up = w.Imgtile1[idx(lower + 75)];
            EXPECT_EQ(lo.Left, 360 + 480 * c);
            EXPECT_EQ(lo.Top, 2040 + 600 * r);
            EXPECT_EQ(up.Left, 240 + 480 * c);
            EXPECT_EQ(up.Top, 1920 + 600 * r);
        }
    for (const mj::Image& tile : w.Imgtile1) {
        EXPECT_EQ(tile.Width, 480);
        EXPECT_EQ(tile.Height, 600);
    }
}

TEST(Runs, EverySlotKnowsTheEndsOfItsRun) {
    int covered = 0;
    for (const boardtest::RunRow& run : boardtest::kRunTable) {
        SCOPED_TRACE(testing::Message() << "run " << run.firstSlot << "-" << run.lastSlot);
        const int length = run.lastColumn - run.firstColumn + 1;
        EXPECT_EQ(run.lastSlot - run.firstSlot + 1, length);
        EXPECT_GE(length, 2);
        EXPECT_LE(length, 6);
        EXPECT_EQ(cellOf(run.firstSlot).r, run.row);
        EXPECT_EQ(cellOf(run.firstSlot).c, run.firstColumn);
        EXPECT_EQ(cellOf(run.lastSlot).c, run.lastColumn);
        for (const int base : {0, 75})
            for (int s = run.firstSlot; s <= run.lastSlot; ++s) {
                SCOPED_TRACE(testing::Message() << "slot " << s + base);
                EXPECT_EQ(runFirst(s + base), run.firstSlot + base);
                EXPECT_EQ(runLast(s + base), run.lastSlot + base);
            }
        covered += length;
    }
    EXPECT_EQ(covered, 75);
}

// The four neighbours of every slot are the slots of its own layer in the adjacent cells.
TEST(Neighbours, AreTheSlotsOfTheAdjacentCellsInTheSameLayer) {
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 23; ++c) {
            const int lower = kSlotTable[r][c];
            if (lower == _)
                continue;
            for (const int base : {0, 75}) {
                const int s = lower + base;
                SCOPED_TRACE(testing::Message() << "slot " << s);
                auto expected = [&](int nc, int nr) {
                    const int n = lowerSlotIn(nc, nr);
                    return n == _ ? kNone : n + base;
                };
                EXPECT_EQ(leftNeighbour(s), expected(c - 1, r));
                EXPECT_EQ(rightNeighbour(s), expected(c + 1, r));
                EXPECT_EQ(upperNeighbour(s), expected(c, r - 1));
                EXPECT_EQ(lowerNeighbour(s), expected(c, r + 1));
            }
        }
}

TEST(Neighbours, NeverCrossLayers) {
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        const bool upper = s >= 75;
        for (const int n :
             {leftNeighbour(s), rightNeighbour(s), upperNeighbour(s), lowerNeighbour(s)})
            if (n != kNone) {
                EXPECT_EQ(n >= 75, upper) << "neighbour " << n;
            }
    }
}

struct NeighbourCase {
    int slot, left, right, up, down;
};

TEST(Neighbours, AtTheEdgesOfTheBoard) {
    const NeighbourCase cases[] = {
        // Slot 23 is the only slot in column 0.
        {23, kNone, 24, kNone, kNone},
        // Slot 14 has no upper neighbour; slot 24 has 14 above and nothing below.
        {14, kNone, 15, kNone, 24},
        {24, 23, 25, 14, kNone},
        {99, 98, 100, 89, kNone},
        {89, kNone, 90, kNone, 99},
        {74, 73, kNone, kNone, kNone},
        {149, 148, kNone, kNone, kNone},
    };
    for (const NeighbourCase& nc : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << nc.slot);
        EXPECT_EQ(leftNeighbour(nc.slot), nc.left);
        EXPECT_EQ(rightNeighbour(nc.slot), nc.right);
        EXPECT_EQ(upperNeighbour(nc.slot), nc.up);
        EXPECT_EQ(lowerNeighbour(nc.slot), nc.down);
    }
    for (int r = 0; r < kRows; ++r)
        if (r != 2) {
            EXPECT_EQ(slotAt(Layer::Lower, 0, r), kNone);
        }
}

TEST(InteriorSlots, AreTwentyOnePerLayer) {
    const std::set<int> upper = boardtest::shifted(boardtest::kLowerInterior, 75);
    std::set<int> interior;
    for (int s = 0; s < kSlots; ++s)
        if (isInterior(s))
            interior.insert(s);
    std::set<int> expected = boardtest::kLowerInterior;
    expected.insert(upper.begin(), upper.end());
    EXPECT_EQ(expected.size(), 42u);
    EXPECT_EQ(interior, expected);
}

TEST(InteriorSlots, SlotFifteenIsTheOnlyInteriorSlotOfRowOne) {
    for (const Layer layer : kLayers) {
        std::set<int> interior;
        for (int c = 0; c < kColumns; ++c)
            if (const int s = slotAt(layer, c, 1); s != kNone && isInterior(s))
                interior.insert(s);
        EXPECT_EQ(interior, std::set<int>{layer == Layer::Lower ? 15 : 90});
    }
}

// No run has a single slot, so every end slot lacks exactly one horizontal neighbour.
TEST(EndSlots, HaveExactlyOneHorizontalNeighbour) {
    int ends = 0;
    for (int s = 0; s < kSlots; ++s) {
        if (isInterior(s))
            continue;
        ++ends;
        SCOPED_TRACE(testing::Message() << "slot " << s);
        EXPECT_NE(leftNeighbour(s) == kNone, rightNeighbour(s) == kNone);
        EXPECT_TRUE(runFirst(s) == s || runLast(s) == s);
    }
    EXPECT_EQ(ends, 108);
}

} // namespace
