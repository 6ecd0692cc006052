// Grid points, corner pieces, edge pieces, background tiles, face corner pieces and template
// indices held against the board's tables.
#include "board/geometry.h"
#include "board/templates.h"
#include "board_tables.h"
#include "platform/random.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace mj::board;
using boardtest::_;
using boardtest::kSlotTable;

class WindowPieces : public testing::Test {
  protected:
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
};

// Point row b carries its pieces at the columns of the point row table, numbered left to
// right from the row's first piece; every other point of the row carries none.
TEST_F(WindowPieces, CornerPiecesByPointRow) {
    int total = 0;
    for (const boardtest::PointRow& row : boardtest::kPointRows) {
        std::set<int> columns;
        for (const boardtest::ColumnRange& range : row.columns)
            for (int a = range.from; a <= range.to; ++a)
                columns.insert(a);
        ASSERT_EQ(static_cast<int>(columns.size()), row.pieces) << "row " << row.b;
        int piece = row.firstPiece;
        for (int a = 0; a <= 23; ++a) {
            SCOPED_TRACE(testing::Message() << "point (" << a << ", " << row.b << ")");
            if (!columns.count(a)) {
                EXPECT_EQ(pieceAt(Layer::Lower, a, row.b), kNone);
                EXPECT_EQ(pieceAt(Layer::Upper, a, row.b), kNone);
                continue;
            }
            EXPECT_EQ(pieceAt(Layer::Lower, a, row.b), piece);
            EXPECT_EQ(pieceAt(Layer::Upper, a, row.b), piece + 129);
            for (const int k : {piece, piece + 129}) {
                EXPECT_EQ(pointOf(k).layer, k < 129 ? Layer::Lower : Layer::Upper);
                EXPECT_EQ(pointOf(k).a, a);
                EXPECT_EQ(pointOf(k).b, row.b);
            }
            // Lower grid at 360 + 480a, 2040 + 600b; the upper grid 120 left and up.
            const mj::Image& lo = w.Imgvvak[idx(piece)];
            const mj::Image& up = w.Imgvvak[idx(piece + 129)];
            EXPECT_EQ(lo.Left, 360 + 480 * a);
            EXPECT_EQ(lo.Top, 2040 + 600 * row.b);
            EXPECT_EQ(up.Left, 240 + 480 * a);
            EXPECT_EQ(up.Top, 1920 + 600 * row.b);
            ++piece;
            ++total;
        }
    }
    EXPECT_EQ(total, 129);
}

struct PiecePositionCase {
    int piece, left, top;
};

TEST_F(WindowPieces, CornerPiecePositionExamples) {
    const PiecePositionCase cases[] = {
        {0, 1800, 2040}, {129, 1680, 1920}, {128, 11400, 6240}, {257, 11280, 6120}};
    for (const PiecePositionCase& pc : cases) {
        SCOPED_TRACE(testing::Message() << "Imgvvak(" << pc.piece << ")");
        EXPECT_EQ(piecePosition(pc.piece).left, pc.left);
        EXPECT_EQ(piecePosition(pc.piece).top, pc.top);
        EXPECT_EQ(w.Imgvvak[idx(pc.piece)].Left, pc.left);
        EXPECT_EQ(w.Imgvvak[idx(pc.piece)].Top, pc.top);
    }
    for (const mj::Image& piece : w.Imgvvak) {
        EXPECT_EQ(piece.Width, 120);
        EXPECT_EQ(piece.Height, 120);
    }
}

TEST(SlotCorners, SlotsWithoutATopLeftPiece) {
    std::set<int> expected;
    for (const boardtest::SlotPoint& sp : boardtest::kNoTopLeftPiece) {
        SCOPED_TRACE(testing::Message() << "slot " << sp.slot);
        EXPECT_EQ(cellOf(sp.slot).c, sp.a);
        EXPECT_EQ(cellOf(sp.slot).r, sp.b);
        EXPECT_EQ(pieceAt(Layer::Lower, sp.a, sp.b), kNone);
        EXPECT_EQ(pieceAt(Layer::Upper, sp.a, sp.b), kNone);
        expected.insert(sp.slot);
        expected.insert(sp.slot + 75);
    }
    EXPECT_EQ(expected,
              (std::set<int>{0, 2, 8, 14, 19, 23, 62, 73, 75, 77, 83, 89, 94, 98, 137, 148}));
    std::set<int> without;
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        const SlotCorners k = slotCorners(s);
        if (k.topLeft == kNone)
            without.insert(s);
        EXPECT_NE(k.topRight, kNone);
        EXPECT_NE(k.bottomLeft, kNone);
        EXPECT_NE(k.bottomRight, kNone);
    }
    EXPECT_EQ(without, expected);
}

struct SlotCornersCase {
    int slot, topLeft, topRight, bottomLeft, bottomRight;
};

TEST(SlotCorners, OfTheCornerSlotsOfEachLayer) {
    const SlotCornersCase cases[] = {
        {0, kNone, 0, 14, 15},
        {75, kNone, 129, 143, 144},
        {74, 108, 109, 127, 128},
        {149, 237, 238, 256, 257},
    };
    for (const SlotCornersCase& sc : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << sc.slot);
        const SlotCorners k = slotCorners(sc.slot);
        EXPECT_EQ(k.topLeft, sc.topLeft);
        EXPECT_EQ(k.topRight, sc.topRight);
        EXPECT_EQ(k.bottomLeft, sc.bottomLeft);
        EXPECT_EQ(k.bottomRight, sc.bottomRight);
    }
}

// The piece at each corner of a slot stands at that corner of the slot's cell, in its layer.
TEST(SlotCorners, PiecesStandAtTheCornersOfTheSlotsCell) {
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        const Cell cell = cellOf(s);
        const Layer layer = s < 75 ? Layer::Lower : Layer::Upper;
        const SlotCorners k = slotCorners(s);
        struct {
            int piece, a, b;
        } corners[] = {{k.topLeft, cell.c, cell.r},
                       {k.topRight, cell.c + 1, cell.r},
                       {k.bottomLeft, cell.c, cell.r + 1},
                       {k.bottomRight, cell.c + 1, cell.r + 1}};
        for (const auto& corner : corners) {
            if (corner.piece == kNone)
                continue;
            EXPECT_EQ(pointOf(corner.piece).layer, layer);
            EXPECT_EQ(pointOf(corner.piece).a, corner.a);
            EXPECT_EQ(pointOf(corner.piece).b, corner.b);
        }
    }
}

// A point's NW, NE, SW and SE cells are those of the slot table.
TEST(PointCells, AreTheFourCellsAroundThePoint) {
    for (int k = 0; k < kPieces; ++k) {
        SCOPED_TRACE(testing::Message() << "piece " << k);
        const GridPoint p = pointOf(k);
        const int base = k < 129 ? 0 : 75;
        auto slot = [&](int c, int r) {
            const int s = boardtest::lowerSlotIn(c, r);
            return s == _ ? kNone : s + base;
        };
        const PointCells cells = pointCells(k);
        EXPECT_EQ(cells.nw, slot(p.a - 1, p.b - 1));
        EXPECT_EQ(cells.ne, slot(p.a, p.b - 1));
        EXPECT_EQ(cells.sw, slot(p.a - 1, p.b));
        EXPECT_EQ(cells.se, slot(p.a, p.b));
        // A point carries a piece only as a corner of a slot other than its top-left.
        EXPECT_TRUE(cells.nw != kNone || cells.ne != kNone || cells.sw != kNone);
    }
}

// Imgpr(i) at Left(i) + 480, Top(i) + 120, 120 x 480; Imgvar(i) at Left(i) + 120,
// Top(i) + 600, 360 x 120; all of one kind share the same picture.
TEST_F(WindowPieces, EdgePiecesStandAgainstTheirTiles) {
    EXPECT_EQ(w.Imgpr[0].Left, 1800);
    EXPECT_EQ(w.Imgpr[0].Top, 2160);
    EXPECT_EQ(w.Imgvar[0].Left, 1440);
    EXPECT_EQ(w.Imgvar[0].Top, 2640);
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        const mj::Image& tile = w.Imgtile1[idx(s)];
        const mj::Image& right = w.Imgpr[idx(s)];
        const mj::Image& bottom = w.Imgvar[idx(s)];
        EXPECT_EQ(right.Left, tile.Left + 480);
        EXPECT_EQ(right.Top, tile.Top + 120);
        EXPECT_EQ(right.Width, 120);
        EXPECT_EQ(right.Height, 480);
        EXPECT_EQ(bottom.Left, tile.Left + 120);
        EXPECT_EQ(bottom.Top, tile.Top + 600);
        EXPECT_EQ(bottom.Width, 360);
        EXPECT_EQ(bottom.Height, 120);
        EXPECT_EQ(right.Picture, w.Imgpr[0].Picture);
        EXPECT_EQ(bottom.Picture, w.Imgvar[0].Picture);
    }
    ASSERT_NE(w.Imgpr[0].Picture, nullptr);
    ASSERT_NE(w.Imgvar[0].Picture, nullptr);
    EXPECT_NE(w.Imgpr[0].Picture, w.Imgvar[0].Picture);
    EXPECT_EQ(w.Imgpr[0].Picture->width, 8);
    EXPECT_EQ(w.Imgpr[0].Picture->height, 32);
    EXPECT_EQ(w.Imgvar[0].Picture->width, 24);
    EXPECT_EQ(w.Imgvar[0].Picture->height, 8);
}

TEST(BackgroundTile, OnlyUpperPiecesOverALowerSlotHaveOne) {
    EXPECT_EQ(backgroundTile(144), 0);
    EXPECT_EQ(backgroundTile(257), 74);
    EXPECT_EQ(backgroundTile(129), kNone);
    EXPECT_EQ(backgroundTile(143), kNone);
    for (int k = 0; k < 129; ++k)
        EXPECT_EQ(backgroundTile(k), kNone) << "lower piece " << k;
}

// Exactly 75 upper pieces have a background tile: the bottom-right pieces of the upper slots,
// each over the lower slot beneath that upper slot.
TEST(BackgroundTile, AreTheBottomRightPiecesOfTheUpperSlots) {
    std::set<int> withBackground, bottomRights;
    for (int k = 129; k < kPieces; ++k)
        if (backgroundTile(k) != kNone)
            withBackground.insert(k);
    for (int s = 0; s < 75; ++s) {
        const int piece = slotCorners(s + 75).bottomRight;
        bottomRights.insert(piece);
        EXPECT_EQ(backgroundTile(piece), s) << "piece " << piece;
    }
    EXPECT_EQ(withBackground.size(), 75u);
    EXPECT_EQ(withBackground, bottomRights);
}

TEST(FaceCornerPiece, OfTheFirstAndLastSlots) {
    EXPECT_EQ(faceCornerPiece(0), 144);
    EXPECT_EQ(faceCornerPiece(1), 145);
    EXPECT_EQ(faceCornerPiece(57), 230);
    EXPECT_EQ(faceCornerPiece(74), 257);
}

// The face corner piece of K stands at Left(K) + 360, Top(K) + 480, over the last 8 columns
// and rows of K's face, and K is its background tile.
TEST(FaceCornerPiece, LiesOverTheBottomRightOfTheLowerFace) {
    for (int s = 0; s < 75; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        const int piece = faceCornerPiece(s);
        ASSERT_GE(piece, 129);
        EXPECT_EQ(piecePosition(piece).left, slotPosition(s).left + 360);
        EXPECT_EQ(piecePosition(piece).top, slotPosition(s).top + 480);
        EXPECT_EQ(backgroundTile(piece), s);
    }
}

struct FaceTemplateCase {
    int face;
    Band band;
    int index;
};

TEST(FaceTemplate, IndexOfFaceInBand) {
    const FaceTemplateCase cases[] = {
        {0, Band::Grey, 0},    {0, Band::Yellow, 84},   {41, Band::White, 83},
        {0, Band::White, 42},  {41, Band::Grey, 41},    {41, Band::Yellow, 125},
        {27, Band::White, 69}, {18, Band::Yellow, 102},
    };
    for (const FaceTemplateCase& fc : cases) {
        SCOPED_TRACE(testing::Message() << "Imgtmalli(" << fc.index << ")");
        EXPECT_EQ(faceTemplate(fc.face, fc.band), fc.index);
    }
}

struct CornerTemplateCase {
    int index;
    int width, height; // pixels
};

// The twelve corner templates by name, with the sizes of their pictures and images.
TEST_F(WindowPieces, CornerTemplatesByName) {
    EXPECT_EQ(kYellowSideCap, 0);
    EXPECT_EQ(kOuterCorner, 1);
    EXPECT_EQ(kYellowBottomCap, 2);
    EXPECT_EQ(kWhiteSideCap, 3);
    EXPECT_EQ(kSideJoin, 4);
    EXPECT_EQ(kBottomJoin, 5);
    EXPECT_EQ(kWhiteBottomCap, 6);
    EXPECT_EQ(kInnerCorner, 7);
    EXPECT_EQ(kSilverSideCap, 8);
    EXPECT_EQ(kGreenSideCap, 9);
    EXPECT_EQ(kGreenBottomCap, 10);
    EXPECT_EQ(kSilverBottomCap, 11);
    const CornerTemplateCase sizes[] = {
        {0, 7, 8}, {1, 8, 8}, {2, 8, 7}, {3, 7, 8}, {4, 8, 8},  {5, 8, 8},
        {6, 8, 7}, {7, 8, 8}, {8, 7, 8}, {9, 8, 8}, {10, 8, 8}, {11, 8, 7},
    };
    std::set<mj::PictureRef> distinct;
    for (const CornerTemplateCase& t : sizes) {
        SCOPED_TRACE(testing::Message() << "Imgvarjo1(" << t.index << ")");
        const mj::Image& image = w.Imgvarjo1[idx(t.index)];
        ASSERT_NE(image.Picture, nullptr);
        distinct.insert(image.Picture);
        EXPECT_EQ(image.Picture->width, t.width);
        EXPECT_EQ(image.Picture->height, t.height);
        EXPECT_EQ(image.Width, 15 * t.width);
        EXPECT_EQ(image.Height, 15 * t.height);
    }
    EXPECT_EQ(distinct.size(), 12u);
}

} // namespace
