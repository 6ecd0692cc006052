// The face corner table: for each lower slot, the cap shapes its face corner piece can show.
// A side cap appears there only while the upper tile below the slot stands alone at that
// corner, a bottom cap only while the one to its right does; so a slot has a side cap row
// when a slot lies below it and a bottom cap row when one lies to its right.
#pragma once

#include "board/geometry.h"

#include <array>

namespace mj::selection {

enum class CapShape { Side, Bottom };

struct FaceCornerRow {
    int slot;
    CapShape shape;
};

inline constexpr int kFaceCornerRows = [] {
    int rows = 0;
    for (int k = 0; k < board::kLayerSlots; ++k)
        rows +=
            (board::lowerNeighbour(k) != board::kNone) + (board::rightNeighbour(k) != board::kNone);
    return rows;
}();

// The rows in their order: ascending slot, the side cap row before the bottom cap row.
inline constexpr std::array<FaceCornerRow, kFaceCornerRows> kFaceCornerTable = [] {
    std::array<FaceCornerRow, kFaceCornerRows> table{};
    std::size_t n = 0;
    for (int k = 0; k < board::kLayerSlots; ++k) {
        if (board::lowerNeighbour(k) != board::kNone)
            table[n++] = {k, CapShape::Side};
        if (board::rightNeighbour(k) != board::kNone)
            table[n++] = {k, CapShape::Bottom};
    }
    return table;
}();

// The colours a face corner cap moves between, following the band of the face beneath it.
enum class CapColour { White, Silver, Yellow };

// capTemplate(c, shape) = the corner template of a cap of that colour and shape.
constexpr int capTemplate(CapColour colour, CapShape shape) {
    const bool side = shape == CapShape::Side;
    switch (colour) {
    case CapColour::White:
        return side ? board::kWhiteSideCap : board::kWhiteBottomCap;
    case CapColour::Silver:
        return side ? board::kSilverSideCap : board::kSilverBottomCap;
    case CapColour::Yellow:
        break;
    }
    return side ? board::kYellowSideCap : board::kYellowBottomCap;
}

} // namespace mj::selection
