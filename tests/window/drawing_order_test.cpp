#include "window/drawing_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
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

// Each kind of image names its own array of the window, from its first element to its last;
// the other kinds name no image.
TEST(ImageOf, MapsEachKindToItsOwnArray) {
    mj::MinimalStandard rng;
    const mj::Frmmahjongg w(rng);
    struct Case {
        ControlKind kind;
        std::span<const mj::Image> images; // empty: no image
    };
    const Case cases[] = {
        {ControlKind::Button, {}},
        {ControlKind::Timer, {}},
        {ControlKind::Line, {}},
        {ControlKind::Label, {}},
        {ControlKind::Pause, std::span(&w.Imgpause, 1)},
        {ControlKind::Tile, w.Imgtile1},
        {ControlKind::FaceTemplate, w.Imgtmalli},
        {ControlKind::CornerTemplate, w.Imgvarjo1},
        {ControlKind::RightEdge, w.Imgpr},
        {ControlKind::BottomEdge, w.Imgvar},
        {ControlKind::CornerPiece, w.Imgvvak},
    };
    ASSERT_EQ(std::size(cases), mj::kControlKinds);
    for (const Case& c : cases) {
        const int last = c.images.empty() ? 0 : static_cast<int>(c.images.size()) - 1;
        EXPECT_EQ(mj::imageOf(w, {c.kind, 0}), c.images.empty() ? nullptr : &c.images.front())
            << static_cast<int>(c.kind);
        EXPECT_EQ(mj::imageOf(w, {c.kind, last}), c.images.empty() ? nullptr : &c.images.back())
            << static_cast<int>(c.kind);
    }
    // Every control of the window is of a kind the lookup's table holds.
    for (const ControlRef ref : mj::drawingOrder())
        EXPECT_LT(static_cast<std::size_t>(ref.kind), mj::kControlKinds);
}

} // namespace
