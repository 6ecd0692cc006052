// The full-board edge look: what the corner table and the edge rule give when all 150 tiles
// are present. The window is created in it, and the deal, Quit and New game restore it.
#pragma once

#include "board/corner_table.h"

#include <array>

namespace mj::board {

// One property setting of the restore.
struct EdgeLookSetting {
    enum class Kind { CornerPicture, CornerVisible, RightEdgeVisible, BottomEdgeVisible };
    Kind kind;
    int index;           // the corner piece, or the slot of the edge piece
    int picture = kNone; // the corner template, for CornerPicture
};

// fullBoardCorner(k) = the template piece k shows on a full board, or kHidden.
constexpr int fullBoardCorner(int piece) {
    return cornerLook(piece, Presence::full());
}

namespace detail {

constexpr int countHalf(Layer layer) {
    int n = 0;
    const int pieces = layerIndex(layer) * kLayerPieces, slots = layerBase(layer);
    for (int k = pieces; k < pieces + kLayerPieces; ++k)
        n += fullBoardCorner(k) != kHidden ? 2 : 0;
    for (int s = slots; s < slots + kLayerSlots; ++s)
        n += (rightEdgeShown(s, Presence::full()) ? 1 : 0) +
             (bottomEdgeShown(s, Presence::full()) ? 1 : 0);
    return n;
}

} // namespace detail

inline constexpr int kEdgeLookHalfSettings = detail::countHalf(Layer::Lower);
static_assert(detail::countHalf(Layer::Upper) == kEdgeLookHalfSettings);

using EdgeLookHalf = std::array<EdgeLookSetting, kEdgeLookHalfSettings>;

// edgeLookHalf(layer) = the restore's settings for one layer, in their order: each shown
// corner piece given its template and then shown, in ascending piece order; then the shown
// right edge pieces and the shown bottom edge pieces, each in ascending slot order.
constexpr EdgeLookHalf edgeLookHalf(Layer layer) {
    EdgeLookHalf half{};
    std::size_t n = 0;
    const int pieces = layerIndex(layer) * kLayerPieces, slots = layerBase(layer);
    using Kind = EdgeLookSetting::Kind;
    for (int k = pieces; k < pieces + kLayerPieces; ++k)
        if (const int t = fullBoardCorner(k); t != kHidden) {
            half[n++] = {Kind::CornerPicture, k, t};
            half[n++] = {Kind::CornerVisible, k};
        }
    for (int s = slots; s < slots + kLayerSlots; ++s)
        if (rightEdgeShown(s, Presence::full()))
            half[n++] = {Kind::RightEdgeVisible, s};
    for (int s = slots; s < slots + kLayerSlots; ++s)
        if (bottomEdgeShown(s, Presence::full()))
            half[n++] = {Kind::BottomEdgeVisible, s};
    return half;
}

inline constexpr EdgeLookHalf kLowerEdgeLook = edgeLookHalf(Layer::Lower);
inline constexpr EdgeLookHalf kUpperEdgeLook = edgeLookHalf(Layer::Upper);

// The two corner pieces that the window creates with a picture that is no corner template.
inline constexpr int kUntemplatedPieces[] = {0, kLayerPieces + 15};

// designCorner(k) = the template corner piece k holds when the window is created, or kNone
// for the two untemplated pieces. A piece the full board shows holds its template; a hidden
// one holds the look of its point's first occupied cell among NW, NE and SW: the outer
// corner, the green bottom cap or the green side cap. So the top-row pieces of the upper
// grid hold the green side cap they show whenever the table shows them.
constexpr int designCorner(int piece) {
    for (const int untemplated : kUntemplatedPieces)
        if (piece == untemplated)
            return kNone;
    if (const int t = fullBoardCorner(piece); t != kHidden)
        return t;
    const PointCells cells = pointCells(piece);
    if (cells.nw != kNone)
        return kOuterCorner;
    if (cells.ne != kNone)
        return kGreenBottomCap;
    return kGreenSideCap;
}

} // namespace mj::board
