#include "window/drawing_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

using mj::ControlKind;
using mj::ControlRef;

std::ptrdiff_t positionOf(ControlRef ref) {
    const auto order = mj::drawingOrder();
    return std::find(order.begin(), order.end(), ref) - order.begin();
}

TEST(DrawingOrder, HoldsEveryControlOnce) {
    const auto order = mj::drawingOrder();
    EXPECT_EQ(order.size(), 879u);
    std::set<std::pair<int, int>> seen;
    for (const ControlRef ref : order)
        EXPECT_TRUE(seen.insert({static_cast<int>(ref.kind), ref.index}).second)
            << static_cast<int>(ref.kind) << " " << ref.index;
    EXPECT_EQ(order.front(),
              (ControlRef{ControlKind::Button, static_cast<int>(mj::ButtonId::Cmdnew)}));
    EXPECT_EQ(order.back(), (ControlRef{ControlKind::Tile, 0}));
}

// What the board needs of the stacking: the pause picture above every tile and piece, the
// upper layer's pieces above its tiles, the whole upper layer above the lower layer's pieces,
// and those above the lower-layer tiles.
TEST(DrawingOrder, StacksTheLayersOfTheBoard) {
    struct Band {
        ControlKind kind;
        int from, to;
    };
    const Band bands[] = {
        {ControlKind::Pause, 0, 0},        {ControlKind::BottomEdge, 75, 149},
        {ControlKind::RightEdge, 75, 149}, {ControlKind::CornerPiece, 129, 257},
        {ControlKind::Tile, 75, 149},      {ControlKind::BottomEdge, 0, 74},
        {ControlKind::RightEdge, 0, 74},   {ControlKind::CornerPiece, 0, 128},
        {ControlKind::Tile, 0, 74},
    };
    std::ptrdiff_t previousLowest = -1;
    for (const Band& band : bands) {
        std::ptrdiff_t highest = 1 << 30, lowest = -1;
        for (int i = band.from; i <= band.to; ++i) {
            highest = std::min(highest, positionOf({band.kind, i}));
            lowest = std::max(lowest, positionOf({band.kind, i}));
        }
        EXPECT_GT(highest, previousLowest) << static_cast<int>(band.kind) << " " << band.from;
        previousLowest = lowest;
    }
    // Within a run of array elements the index falls.
    EXPECT_LT(positionOf({ControlKind::Tile, 149}), positionOf({ControlKind::Tile, 75}));
    EXPECT_LT(positionOf({ControlKind::CornerPiece, 128}),
              positionOf({ControlKind::CornerPiece, 0}));
}

} // namespace
