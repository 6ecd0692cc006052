// The board's lists and tables, written out as test data. Nothing here is computed from the
// program's geometry: each value is typed in from the board's layout and rules, so the tests
// hold the derived geometry against values found independently of it.
#pragma once

#include "board/corner_table.h"
#include "board/geometry.h"
#include "board/templates.h"

#include <array>
#include <initializer_list>
#include <set>
#include <vector>

namespace boardtest {

inline constexpr int _ = -1; // a cell without a slot

// The lower slot in each cell (row r, column c); the upper slot is the same plus 75.
inline constexpr int kSlotTable[7][23] = {
    {_, _, 0, 1, _, 2, 3, 4, 5, 6, 7, _, _, 8, 9, 10, 11, 12, 13, _, _, _, _},
    {_, 14, 15, 16, _, 17, 18, _, _, _, _, _, 19, 20, _, _, _, _, 21, 22, _, _, _},
    {23, 24, 25, 26, _, 27, 28, _, _, _, _, _, 29, 30, _, _, _, _, 31, 32, _, _, _},
    {_, _, 33, 34, _, 35, 36, 37, 38, 39, _, _, 40, 41, _, _, _, _, 42, 43, _, _, _},
    {_, _, 44, 45, _, _, _, _, _, 46, 47, _, 48, 49, _, _, _, _, 50, 51, _, _, _},
    {_, _, 52, 53, _, _, _, _, _, 54, 55, _, 56, 57, _, _, _, _, 58, 59, _, _, _},
    {_, _, 60, 61, _, 62, 63, 64, 65, 66, _, _, _, 67, 68, 69, 70, 71, 72, _, _, 73, 74},
};

// The lower slot in cell (c, r), or -1 for a cell without a slot or off the grid.
constexpr int lowerSlotIn(int c, int r) {
    if (c < 0 || c >= 23 || r < 0 || r >= 7)
        return _;
    return kSlotTable[r][c];
}

struct RunRow {
    int row;
    int firstColumn, lastColumn;
    int firstSlot, lastSlot; // lower slots
};

// The 27 runs of each layer.
inline constexpr RunRow kRunTable[27] = {
    {0, 2, 3, 0, 1},    {0, 5, 10, 2, 7},    {0, 13, 18, 8, 13},  {1, 1, 3, 14, 16},
    {1, 5, 6, 17, 18},  {1, 12, 13, 19, 20}, {1, 18, 19, 21, 22}, {2, 0, 3, 23, 26},
    {2, 5, 6, 27, 28},  {2, 12, 13, 29, 30}, {2, 18, 19, 31, 32}, {3, 2, 3, 33, 34},
    {3, 5, 9, 35, 39},  {3, 12, 13, 40, 41}, {3, 18, 19, 42, 43}, {4, 2, 3, 44, 45},
    {4, 9, 10, 46, 47}, {4, 12, 13, 48, 49}, {4, 18, 19, 50, 51}, {5, 2, 3, 52, 53},
    {5, 9, 10, 54, 55}, {5, 12, 13, 56, 57}, {5, 18, 19, 58, 59}, {6, 2, 3, 60, 61},
    {6, 5, 9, 62, 66},  {6, 13, 18, 67, 72}, {6, 21, 22, 73, 74},
};

// The 21 interior slots of the lower layer (the upper layer's are these plus 75).
inline const std::set<int> kLowerInterior = {3,  4,  5,  6,  9,  10, 11, 12, 15, 24, 25,
                                             36, 37, 38, 63, 64, 65, 68, 69, 70, 71};

struct ColumnRange {
    int from, to;
};

struct PointRow {
    int b;
    int firstPiece; // on the lower grid
    int pieces;
    std::vector<ColumnRange> columns;
};

// The points that carry a corner piece, by point row.
inline const std::vector<PointRow> kPointRows = {
    {0, 0, 14, {{3, 4}, {6, 11}, {14, 19}}},
    {1, 14, 18, {{2, 11}, {13, 20}}},
    {2, 32, 13, {{1, 7}, {12, 14}, {18, 20}}},
    {3, 45, 17, {{0, 10}, {12, 14}, {18, 20}}},
    {4, 62, 16, {{2, 14}, {18, 20}}},
    {5, 78, 12, {{2, 4}, {9, 14}, {18, 20}}},
    {6, 90, 20, {{2, 4}, {6, 20}, {22, 22}, {23, 23}}},
    {7, 110, 19, {{2, 10}, {13, 19}, {21, 23}}},
};

// The lower slots without a top-left corner piece, with their top-left points (a, b).
struct SlotPoint {
    int slot, a, b;
};
inline constexpr SlotPoint kNoTopLeftPiece[8] = {
    {0, 2, 0}, {2, 5, 0}, {8, 13, 0}, {14, 1, 1}, {19, 12, 1}, {23, 0, 2}, {62, 5, 6}, {73, 21, 6},
};

// The full-board edge look of the lower layer (upper layer: slot + 75, piece + 129).
inline const std::set<int> kLookRightEdges = {1,  7,  13, 16, 18, 20, 22, 26, 28,
                                              30, 32, 34, 39, 41, 43, 45, 47, 49,
                                              51, 53, 55, 57, 59, 61, 66, 72, 74};
inline const std::set<int> kLookBottomEdges = {4,  5,  6,  7,  9,  10, 11, 12, 23, 24, 35,
                                               36, 37, 38, 55, 56, 59, 60, 61, 62, 63, 64,
                                               65, 66, 67, 68, 69, 70, 71, 72, 73, 74};

struct LookGroup {
    int corner; // the corner template
    std::set<int> pieces;
};
inline const std::vector<LookGroup> kLookCorners = {
    {mj::board::kGreenSideCap, {1, 7, 13, 31, 55, 71, 109}},
    {mj::board::kGreenBottomCap, {45, 65, 99, 110, 113, 119, 126}},
    {mj::board::kOuterCorner, {23, 98, 107, 112, 118, 125, 128}},
    {mj::board::kSideJoin, {16, 35, 38, 41, 44, 49, 58, 61, 64, 74, 77, 80, 83, 86, 89, 92}},
    {mj::board::kBottomJoin, {20,  21,  22,  26,  27,  28,  46,  66,  67,  68, 111,
                              114, 115, 116, 117, 120, 121, 122, 123, 124, 127}},
    {mj::board::kInnerCorner, {19, 25, 97, 106}},
};

// The pictures the hidden corner pieces hold when the window is created, per grid.
inline const std::vector<LookGroup> kDesignLower = {
    {mj::board::kOuterCorner, {15, 18, 29, 30, 33, 34, 37, 40, 43, 47, 48, 51,  52, 57,
                               60, 63, 69, 70, 73, 76, 79, 82, 85, 88, 91, 100, 101}},
    {mj::board::kGreenSideCap,
     {2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 53, 54, 93, 94, 95, 102, 103, 104, 108}},
    {mj::board::kGreenBottomCap,
     {14, 17, 24, 32, 36, 39, 42, 50, 56, 59, 62, 72, 75, 78, 81, 84, 87, 90, 96, 105}},
};
inline const std::vector<LookGroup> kDesignUpper = {
    {mj::board::kOuterCorner, {147, 158, 159, 162, 163, 166, 169, 172, 176, 177, 180, 181, 186,
                               189, 192, 198, 199, 202, 205, 208, 211, 214, 217, 220, 229, 230}},
    {mj::board::kGreenSideCap, {129, 131, 132, 133, 134, 135, 137, 138, 139, 140,
                                141, 182, 183, 222, 223, 224, 231, 232, 233, 237}},
    {mj::board::kGreenBottomCap, {143, 146, 153, 161, 165, 168, 171, 179, 185, 188,
                                  191, 201, 204, 207, 210, 213, 216, 219, 225, 234}},
};
// The two pieces that hold a picture that is none of the corner templates.
inline const std::set<int> kDesignUntemplated = {0, 144};

// The nine upper pieces that hold the green side cap for the program's whole life.
inline const std::set<int> kFixedGreenSideCaps = {129, 131, 133, 134, 135, 138, 139, 140, 141};

// The set `lower` moved to the upper layer by `offset`.
inline std::set<int> shifted(const std::set<int>& lower, int offset) {
    std::set<int> out;
    for (const int v : lower)
        out.insert(v + offset);
    return out;
}

// The template each shown corner piece of one layer's full-board look takes (offset 0 for the
// lower grid, 129 for the upper), or kHidden.
inline std::array<int, mj::board::kLayerPieces> lookCornersOfLayer() {
    std::array<int, mj::board::kLayerPieces> out{};
    out.fill(mj::board::kHidden);
    for (const LookGroup& g : kLookCorners)
        for (const int k : g.pieces)
            out[static_cast<std::size_t>(k)] = g.corner;
    return out;
}

// A board with every tile present but those in `gone`.
inline mj::board::Presence boardWithout(std::initializer_list<int> gone) {
    mj::board::Presence p = mj::board::Presence::full();
    for (const int s : gone)
        p.set(s, false);
    return p;
}

} // namespace boardtest
