// The two rules that give the board its three-dimensional look for any set of present tiles:
// the corner table for the corner pieces and the edge rule for the edge pieces.
#pragma once

#include "board/geometry.h"
#include "board/templates.h"

#include <array>

namespace mj::board {

// Which slots hold a present tile.
class Presence {
  public:
    static constexpr Presence full() {
        Presence p;
        p.present_.fill(true);
        return p;
    }
    constexpr bool operator[](int slot) const { return slot != kNone && present_[idx(slot)]; }
    constexpr void set(int slot, bool present) { present_[idx(slot)] = present; }

  private:
    std::array<bool, kSlots> present_{};
};

inline constexpr int kHidden = -1;

// cornerTable(...) = the corner template a piece shows for the given cells around its point,
// or kHidden. `background` tells whether the point has a background tile that is present.
constexpr int cornerTable(bool nw, bool ne, bool sw, bool se, bool background) {
    if (se)
        return kHidden;
    if (!nw && !ne && !sw)
        return kHidden;
    if (ne && sw)
        return kInnerCorner;
    if (nw && ne)
        return kBottomJoin;
    if (nw && sw)
        return kSideJoin;
    if (nw)
        return kOuterCorner;
    if (ne)
        return background ? kWhiteBottomCap : kGreenBottomCap;
    return background ? kWhiteSideCap : kGreenSideCap;
}

// cornerLook(k, present) = what the corner table gives piece k on the board `present`.
constexpr int cornerLook(int piece, const Presence& present) {
    const PointCells cells = pointCells(piece);
    return cornerTable(present[cells.nw], present[cells.ne], present[cells.sw], present[cells.se],
                       present[backgroundTile(piece)]);
}

// The edge rule: an edge piece is shown while its tile is present and the cell beyond that
// side of it, in the tile's own layer, is empty.
constexpr bool rightEdgeShown(int slot, const Presence& present) {
    return present[slot] && !present[rightNeighbour(slot)];
}
constexpr bool bottomEdgeShown(int slot, const Presence& present) {
    return present[slot] && !present[lowerNeighbour(slot)];
}

} // namespace mj::board
