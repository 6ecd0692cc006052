// What the removal block of a slot works with, all of it from the board's geometry.
#pragma once

#include "board/geometry.h"

#include <array>

namespace mj::removal {

struct BlockData {
    int slot = board::kNone;
    int left = board::kNone, right = board::kNone, up = board::kNone, down = board::kNone;
    // The left and right neighbours that are interior slots, whose side-free flag the removal
    // sets.
    std::array<int, 2> interiorNeighbours{board::kNone, board::kNone};
    // For an upper slot, the lower slot beneath it when that one is interior, else kNone.
    int interiorBeneath = board::kNone;
    // The corner pieces at the TL, TR, BL and BR corners of the slot (TL may be kNone).
    std::array<int, 4> corners{};
};

// blockData(s) = the neighbours, flags and corner pieces the removal block of s touches.
constexpr BlockData blockData(int slot) {
    BlockData d;
    d.slot = slot;
    d.left = board::leftNeighbour(slot);
    d.right = board::rightNeighbour(slot);
    d.up = board::upperNeighbour(slot);
    d.down = board::lowerNeighbour(slot);
    std::size_t n = 0;
    for (const int side : {d.left, d.right})
        if (side != board::kNone && board::isInterior(side))
            d.interiorNeighbours[n++] = side;
    if (board::layerOf(slot) == board::Layer::Upper && board::isInterior(slot - board::kLayerSlots))
        d.interiorBeneath = slot - board::kLayerSlots;
    const board::SlotCorners c = board::slotCorners(slot);
    d.corners = {c.topLeft, c.topRight, c.bottomLeft, c.bottomRight};
    return d;
}

} // namespace mj::removal
