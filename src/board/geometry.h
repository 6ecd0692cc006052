// The fixed geometry of the board: slots, cells, runs, neighbours, grid points and corner
// pieces. Everything here is derived, once and at compile time, from one fact: the occupied
// cells of each row, which spell "150." on a grid of 23 columns and 7 rows. Positions are in
// twips (15 to a pixel) from the top-left corner of the window's client area.
#pragma once

#include <array>
#include <cstddef>

namespace mj::board {

inline constexpr int kColumns = 23;
inline constexpr int kRows = 7;
inline constexpr int kLayerSlots = 75;
inline constexpr int kSlots = 2 * kLayerSlots; // slots 0-74 lower layer, 75-149 upper layer
inline constexpr int kSpareSlot = kSlots;      // the 151st tile image, never shown
inline constexpr int kTileImages = kSlots + 1;
inline constexpr int kLayerPieces = 129;
inline constexpr int kPieces = 2 * kLayerPieces;
inline constexpr int kNone = -1;

inline constexpr int kCellWidth = 480;
inline constexpr int kCellHeight = 600;
inline constexpr int kLayerShift = 120; // the upper layer stands this far left and up
inline constexpr int kPieceSize = 120;  // a corner piece, and the depth of an edge piece
inline constexpr int kLowerLeft = 360;
inline constexpr int kLowerTop = 2040;
inline constexpr int kSpareLeft = 5400;
inline constexpr int kSpareTop = 3600;

enum class Layer { Lower = 0, Upper = 1 };

struct Cell {
    int c = 0;
    int r = 0;
};

struct GridPoint {
    Layer layer = Layer::Lower;
    int a = 0; // the point is the top-left corner of cell (a, b)
    int b = 0;
};

struct Position {
    int left = 0;
    int top = 0;
};

// The corner pieces at the four corners of a slot; a slot's top-left piece may be kNone.
struct SlotCorners {
    int topLeft = kNone;
    int topRight = kNone;
    int bottomLeft = kNone;
    int bottomRight = kNone;
};

// The slots (of the point's own layer) in the four cells around a grid point, or kNone.
struct PointCells {
    int nw = kNone;
    int ne = kNone;
    int sw = kNone;
    int se = kNone;
};

struct Geometry {
    // slotAt[layer][r][c] = the slot of that layer in cell (c, r), or kNone.
    std::array<std::array<std::array<int, kColumns>, kRows>, 2> slotAt{};
    // cellOf[s] = the cell of slot s (the same for s and s + 75).
    std::array<Cell, kSlots> cellOf{};
    std::array<int, kSlots> left{}, right{}, up{}, down{}; // neighbours in the slot's layer
    // pieceAt[layer][b][a] = the corner piece at point (a, b) of that grid, or kNone.
    std::array<std::array<std::array<int, kColumns + 1>, kRows + 1>, 2> pieceAt{};
    std::array<GridPoint, kPieces> pointOf{};
    std::array<SlotCorners, kSlots> corners{};
};

constexpr std::size_t idx(int index) {
    return static_cast<std::size_t>(index);
}

constexpr int layerBase(Layer layer) {
    return layer == Layer::Upper ? kLayerSlots : 0;
}
constexpr Layer layerOf(int slot) {
    return slot >= kLayerSlots ? Layer::Upper : Layer::Lower;
}
constexpr int layerIndex(Layer layer) {
    return layer == Layer::Upper ? 1 : 0;
}

namespace detail {

struct Run {
    int row, first, last; // columns first..last, both occupied
};

// The occupied cells, as the runs of each row: the one hand-written fact of the board.
inline constexpr std::array<Run, 27> kRuns{{
    {0, 2, 3},   {0, 5, 10},  {0, 13, 18}, {1, 1, 3},   {1, 5, 6},   {1, 12, 13}, {1, 18, 19},
    {2, 0, 3},   {2, 5, 6},   {2, 12, 13}, {2, 18, 19}, {3, 2, 3},   {3, 5, 9},   {3, 12, 13},
    {3, 18, 19}, {4, 2, 3},   {4, 9, 10},  {4, 12, 13}, {4, 18, 19}, {5, 2, 3},   {5, 9, 10},
    {5, 12, 13}, {5, 18, 19}, {6, 2, 3},   {6, 5, 9},   {6, 13, 18}, {6, 21, 22},
}};

constexpr Geometry build() {
    Geometry g{};
    for (auto& layer : g.slotAt)
        for (auto& row : layer)
            row.fill(kNone);
    bool occupied[kRows][kColumns]{};
    for (const Run& run : kRuns)
        for (int c = run.first; c <= run.last; ++c)
            occupied[run.row][c] = true;

    // Slots are numbered row by row, left to right.
    int next = 0;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (occupied[r][c]) {
                g.slotAt[0][r][c] = next;
                g.slotAt[1][r][c] = next + kLayerSlots;
                g.cellOf[next] = g.cellOf[next + kLayerSlots] = Cell{c, r};
                ++next;
            }

    auto at = [&](int layer, int c, int r) {
        if (c < 0 || c >= kColumns || r < 0 || r >= kRows)
            return kNone;
        return g.slotAt[layer][r][c];
    };
    for (int s = 0; s < kSlots; ++s) {
        const int layer = s >= kLayerSlots ? 1 : 0;
        const auto [c, r] = g.cellOf[s];
        g.left[s] = at(layer, c - 1, r);
        g.right[s] = at(layer, c + 1, r);
        g.up[s] = at(layer, c, r - 1);
        g.down[s] = at(layer, c, r + 1);
    }

    // A point carries a corner piece when it is the top-right, bottom-left or bottom-right
    // corner of a slot, i.e. when its NW, NE or SW cell is occupied. Pieces are numbered by
    // point row, then column; the upper grid repeats the lower one, 129 further on.
    for (auto& layer : g.pieceAt)
        for (auto& row : layer)
            row.fill(kNone);
    int piece = 0;
    for (int b = 0; b <= kRows; ++b)
        for (int a = 0; a <= kColumns; ++a)
            if (at(0, a - 1, b - 1) != kNone || at(0, a, b - 1) != kNone ||
                at(0, a - 1, b) != kNone) {
                g.pieceAt[0][b][a] = piece;
                g.pieceAt[1][b][a] = piece + kLayerPieces;
                g.pointOf[piece] = GridPoint{Layer::Lower, a, b};
                g.pointOf[piece + kLayerPieces] = GridPoint{Layer::Upper, a, b};
                ++piece;
            }

    for (int s = 0; s < kSlots; ++s) {
        const int layer = s >= kLayerSlots ? 1 : 0;
        const auto [c, r] = g.cellOf[s];
        g.corners[s] = SlotCorners{g.pieceAt[layer][r][c], g.pieceAt[layer][r][c + 1],
                                   g.pieceAt[layer][r + 1][c], g.pieceAt[layer][r + 1][c + 1]};
    }
    return g;
}

} // namespace detail

inline constexpr Geometry kGeometry = detail::build();

// The slot of a layer in cell (c, r), or kNone; cells off the grid hold no slot.
constexpr int slotAt(Layer layer, int c, int r) {
    if (c < 0 || c >= kColumns || r < 0 || r >= kRows)
        return kNone;
    return kGeometry.slotAt[idx(layerIndex(layer))][idx(r)][idx(c)];
}

constexpr Cell cellOf(int slot) {
    return kGeometry.cellOf[idx(slot)];
}

// slotPosition(s) = the Left and Top of slot s's tile image; the spare slot stands off the grid.
constexpr Position slotPosition(int slot) {
    if (slot == kSpareSlot)
        return {kSpareLeft, kSpareTop};
    const Cell cell = cellOf(slot);
    const int shift = layerOf(slot) == Layer::Upper ? kLayerShift : 0;
    return {kLowerLeft + kCellWidth * cell.c - shift, kLowerTop + kCellHeight * cell.r - shift};
}

constexpr int leftNeighbour(int slot) {
    return kGeometry.left[idx(slot)];
}
constexpr int rightNeighbour(int slot) {
    return kGeometry.right[idx(slot)];
}
constexpr int upperNeighbour(int slot) {
    return kGeometry.up[idx(slot)];
}
constexpr int lowerNeighbour(int slot) {
    return kGeometry.down[idx(slot)];
}

// isInterior(s) = s has a neighbour on both sides in its run.
constexpr bool isInterior(int slot) {
    return leftNeighbour(slot) != kNone && rightNeighbour(slot) != kNone;
}

// The right edge piece Imgpr(s) stands against the tile's right side, the bottom edge piece
// Imgvar(s) under its bottom side; both are 8 pixels deep.
constexpr Position rightEdgePosition(int slot) {
    const Position p = slotPosition(slot);
    return {p.left + kCellWidth, p.top + kPieceSize};
}
constexpr Position bottomEdgePosition(int slot) {
    const Position p = slotPosition(slot);
    return {p.left + kPieceSize, p.top + kCellHeight};
}
inline constexpr int kRightEdgeWidth = kPieceSize, kRightEdgeHeight = kCellWidth;
inline constexpr int kBottomEdgeWidth = kCellWidth - kPieceSize, kBottomEdgeHeight = kPieceSize;

// The corner piece at point (a, b) of a layer's grid, or kNone.
constexpr int pieceAt(Layer layer, int a, int b) {
    if (a < 0 || a > kColumns || b < 0 || b > kRows)
        return kNone;
    return kGeometry.pieceAt[idx(layerIndex(layer))][idx(b)][idx(a)];
}

constexpr GridPoint pointOf(int piece) {
    return kGeometry.pointOf[idx(piece)];
}

// A corner piece covers the top-left 120 x 120 twips of its point's SE cell.
constexpr Position piecePosition(int piece) {
    const GridPoint p = pointOf(piece);
    const int shift = p.layer == Layer::Upper ? kLayerShift : 0;
    return {kLowerLeft + kCellWidth * p.a - shift, kLowerTop + kCellHeight * p.b - shift};
}

// pointCells(k) = the slots of k's layer in the NW, NE, SW and SE cells of k's point.
constexpr PointCells pointCells(int piece) {
    const GridPoint p = pointOf(piece);
    return {slotAt(p.layer, p.a - 1, p.b - 1), slotAt(p.layer, p.a, p.b - 1),
            slotAt(p.layer, p.a - 1, p.b), slotAt(p.layer, p.a, p.b)};
}

constexpr SlotCorners slotCorners(int slot) {
    return kGeometry.corners[idx(slot)];
}

// backgroundTile(k) = the lower slot in the NW cell of upper piece k's point, or kNone; the
// piece lies over the bottom-right 8 x 8 pixels of that tile's face.
constexpr int backgroundTile(int piece) {
    const GridPoint p = pointOf(piece);
    if (p.layer != Layer::Upper)
        return kNone;
    return slotAt(Layer::Lower, p.a - 1, p.b - 1);
}

// faceCornerPiece(K) = the upper piece over the bottom-right corner of lower slot K's face.
constexpr int faceCornerPiece(int lowerSlot) {
    return slotCorners(lowerSlot).bottomRight + kLayerPieces;
}

} // namespace mj::board
