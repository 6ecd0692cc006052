#include "board/templates.h"
#include "platform/random.h"
#include "selection/face_corner_table.h"
#include "window/click_rule.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using mj::board::idx;
using mj::selection::CapColour;
using mj::selection::CapShape;
using mj::selection::FaceCornerRow;

// The lower slots by the rows they have in the face corner table, as the board's list has them.
const std::set<int> kBothRows{0,  2,  3,  8,  14, 15, 17, 19, 21, 25, 27, 29,
                              31, 33, 40, 42, 44, 46, 48, 50, 52, 54, 58};
const std::set<int> kSideRowOnly{1,  13, 16, 18, 20, 22, 26, 28, 30, 32,
                                 34, 39, 41, 43, 45, 47, 49, 51, 53, 57};
const std::set<int> kBottomRowOnly{4,  5,  6,  9,  10, 11, 12, 23, 24, 35, 36, 37, 38,
                                   56, 60, 62, 63, 64, 65, 67, 68, 69, 70, 71, 73};
const std::set<int> kNoRow{7, 55, 59, 61, 66, 72, 74};

bool sameRow(FaceCornerRow a, FaceCornerRow b) {
    return a.slot == b.slot && a.shape == b.shape;
}

std::string describe(FaceCornerRow row) {
    std::string text("(");
    text += std::to_string(row.slot);
    text += row.shape == CapShape::Side ? ", side)" : ", bottom)";
    return text;
}

TEST(FaceCornerTable, HoldsTheListedRowsInSlotOrderSideCapFirst) {
    EXPECT_EQ(kBothRows.size() + kSideRowOnly.size() + kBottomRowOnly.size() + kNoRow.size(), 75u);
    std::vector<FaceCornerRow> expected;
    for (int k = 0; k < 75; ++k) {
        if (kBothRows.count(k) || kSideRowOnly.count(k))
            expected.push_back({k, CapShape::Side});
        if (kBothRows.count(k) || kBottomRowOnly.count(k))
            expected.push_back({k, CapShape::Bottom});
    }
    ASSERT_EQ(expected.size(), 91u);
    ASSERT_EQ(mj::selection::kFaceCornerTable.size(), 91u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(sameRow(mj::selection::kFaceCornerTable[i], expected[i]))
            << "row " << i << " is " << describe(mj::selection::kFaceCornerTable[i])
            << ", expected " << describe(expected[i]);
    }

    int side = 0, bottom = 0;
    for (const FaceCornerRow& row : mj::selection::kFaceCornerTable)
        (row.shape == CapShape::Side ? side : bottom) += 1;
    EXPECT_EQ(side, 43);
    EXPECT_EQ(bottom, 48);
}

TEST(FaceCornerTable, BeginsAndEndsAsListed) {
    const FaceCornerRow first[] = {
        {0, CapShape::Side},   {0, CapShape::Bottom}, {1, CapShape::Side},   {2, CapShape::Side},
        {2, CapShape::Bottom}, {3, CapShape::Side},   {3, CapShape::Bottom}, {4, CapShape::Bottom}};
    const FaceCornerRow last[] = {
        {70, CapShape::Bottom}, {71, CapShape::Bottom}, {73, CapShape::Bottom}};
    const auto& table = mj::selection::kFaceCornerTable;
    for (std::size_t i = 0; i < std::size(first); ++i) {
        EXPECT_TRUE(sameRow(table[i], first[i])) << "row " << i << ": " << describe(table[i]);
    }
    for (std::size_t i = 0; i < std::size(last); ++i) {
        const std::size_t at = table.size() - std::size(last) + i;
        EXPECT_TRUE(sameRow(table[at], last[i])) << "row " << at << ": " << describe(table[at]);
    }
}

TEST(FaceCornerPiece, IsTheUpperPieceOverTheBottomRightOfTheFace) {
    const std::pair<int, int> examples[] = {{0, 144},  {1, 145},  {2, 147}, {14, 162},
                                            {57, 230}, {73, 256}, {74, 257}};
    for (const auto& [slot, piece] : examples)
        EXPECT_EQ(mj::board::faceCornerPiece(slot), piece) << "slot " << slot;

    // Each lower slot has a piece of its own, among 144 to 257, over the bottom-right
    // 120 x 120 twips of its face.
    mj::MinimalStandard random;
    mj::Frmmahjongg w(random);
    std::set<int> pieces;
    for (int k = 0; k < 75; ++k) {
        const int piece = mj::board::faceCornerPiece(k);
        pieces.insert(piece);
        EXPECT_GE(piece, 144) << "slot " << k;
        EXPECT_LE(piece, 257) << "slot " << k;
        const mj::Image& image = w.Imgvvak[idx(piece)];
        const mj::Image& tile = w.Imgtile1[idx(k)];
        EXPECT_EQ(image.Left, tile.Left + 360) << "slot " << k;
        EXPECT_EQ(image.Top, tile.Top + 480) << "slot " << k;
        EXPECT_EQ(image.Width, 120) << "slot " << k;
        EXPECT_EQ(image.Height, 120) << "slot " << k;
    }
    EXPECT_EQ(pieces.size(), 75u);
}

TEST(FaceCornerTable, GivesEachColourAndShapeItsCornerTemplate) {
    struct Cap {
        CapColour colour;
        CapShape shape;
        int corner;
    };
    const Cap caps[] = {
        {CapColour::White, CapShape::Side, 3},  {CapColour::White, CapShape::Bottom, 6},
        {CapColour::Silver, CapShape::Side, 8}, {CapColour::Silver, CapShape::Bottom, 11},
        {CapColour::Yellow, CapShape::Side, 0}, {CapColour::Yellow, CapShape::Bottom, 2},
    };
    for (const Cap& cap : caps) {
        EXPECT_EQ(mj::selection::capTemplate(cap.colour, cap.shape), cap.corner)
            << "Imgvarjo1(" << cap.corner << ")";
    }
}

// A dealt board on which each case lays out the upper tiles and the face corner piece itself.
class Recolour : public ::testing::Test {
  protected:
    Recolour() {
        w.Form_Load();
        mj::clickButton(w, mj::ButtonId::Cmdstart);
    }

    mj::PictureRef corner(int t) const { return w.Imgvarjo1[idx(t)].Picture; }

    // Every corner piece shown with a cap of the colour a recolour looks for, so that a
    // recolour reaching the wrong piece would show.
    void fillPiecesWithCaps(CapColour colour) {
        for (int k = 0; k < mj::board::kPieces; ++k) {
            const CapShape shape = k % 2 == 0 ? CapShape::Side : CapShape::Bottom;
            w.Imgvvak[idx(k)].Picture = corner(mj::selection::capTemplate(colour, shape));
            w.Imgvvak[idx(k)].Visible = true;
        }
    }

    struct PieceState {
        mj::PictureRef picture;
        bool visible;
    };
    std::vector<PieceState> pieces() const {
        std::vector<PieceState> all;
        for (const mj::Image& piece : w.Imgvvak)
            all.push_back({piece.Picture, piece.Visible});
        return all;
    }

    mj::MinimalStandard random;
    mj::Frmmahjongg w{random};
};

struct RecolourCase {
    const char* what;
    int slot;
    std::vector<int> goneUpper; // upper tiles taken off the board
    int shows;                  // the corner template the face corner piece holds
    bool visible;
    CapColour from, to;
    int expected;
};

const RecolourCase kRecolourCases[] = {
    // Slot 0: 76 stands alone at its corner, so the piece shows a bottom cap.
    {"slot 0 selected", 0, {75, 90, 91}, 6, true, CapColour::White, CapColour::Silver, 11},
    {"slot 0 deselected", 0, {75, 90, 91}, 11, true, CapColour::Silver, CapColour::White, 6},
    {"slot 0 matched", 0, {75, 90, 91}, 11, true, CapColour::Silver, CapColour::Yellow, 2},
    // Slot 0 with 90 alone below it: a side cap.
    {"slot 0 side cap selected", 0, {75, 76, 91}, 3, true, CapColour::White, CapColour::Silver, 8},
    {"slot 0 side cap undone", 0, {75, 76, 91}, 8, true, CapColour::Silver, CapColour::White, 3},
    // Slot 0 with 76 and 90 present: the inner corner stays through every use.
    {"slot 0 inner corner, selection",
     0,
     {75, 91},
     7,
     true,
     CapColour::White,
     CapColour::Silver,
     7},
    {"slot 0 inner corner, deselection",
     0,
     {75, 91},
     7,
     true,
     CapColour::Silver,
     CapColour::White,
     7},
    {"slot 0 inner corner, match", 0, {75, 91}, 7, true, CapColour::Silver, CapColour::Yellow, 7},
    // Slot 0 under 91: the piece is hidden and keeps whatever it holds.
    {"slot 0 hidden", 0, {75}, 6, false, CapColour::White, CapColour::Silver, 6},
    // Slot 1: 91 alone below it gives a side cap.
    {"slot 1 selected", 1, {76}, 3, true, CapColour::White, CapColour::Silver, 8},
    {"slot 1 matched", 1, {76}, 8, true, CapColour::Silver, CapColour::Yellow, 0},
    {"slot 1 undone", 1, {76}, 8, true, CapColour::Silver, CapColour::White, 3},
    {"slot 1 hidden with its white cap",
     1,
     {76, 91},
     3,
     false,
     CapColour::White,
     CapColour::Silver,
     3},
    // The repeats of the pair check window find a silver or yellow cap and change nothing.
    {"slot 1 repeat on silver", 1, {76}, 8, true, CapColour::White, CapColour::Silver, 8},
    {"slot 1 repeat on yellow", 1, {76}, 0, true, CapColour::White, CapColour::Silver, 0},
    {"slot 1 green cap", 1, {76, 1}, 9, true, CapColour::White, CapColour::Silver, 9},
    // Slot 4: 80 alone to its right gives a bottom cap; it has no side cap row.
    {"slot 4 selected", 4, {79}, 6, true, CapColour::White, CapColour::Silver, 11},
    {"slot 4 has no side cap row", 4, {79}, 3, true, CapColour::White, CapColour::Silver, 3},
};

TEST_F(Recolour, ChangesOnlyTheFromColourCapOfTheSlotsOwnPiece) {
    for (const RecolourCase& c : kRecolourCases) {
        SCOPED_TRACE(c.what);
        fillPiecesWithCaps(c.from);
        for (int s : c.goneUpper)
            w.Imgtile1[idx(s)].Visible = false;
        const int piece = mj::board::faceCornerPiece(c.slot);
        w.Imgvvak[idx(piece)].Picture = corner(c.shows);
        w.Imgvvak[idx(piece)].Visible = c.visible;
        const std::vector<PieceState> before = pieces();

        w.recolourFaceCorner(c.slot, c.from, c.to);

        EXPECT_EQ(w.Imgvvak[idx(piece)].Picture, corner(c.expected));
        EXPECT_EQ(w.Imgvvak[idx(piece)].Visible, c.visible);
        const std::vector<PieceState> after = pieces();
        for (int k = 0; k < mj::board::kPieces; ++k) {
            if (k != piece) {
                EXPECT_EQ(after[idx(k)].picture, before[idx(k)].picture) << "Imgvvak " << k;
                EXPECT_EQ(after[idx(k)].visible, before[idx(k)].visible) << "Imgvvak " << k;
            }
        }
        for (int s : c.goneUpper)
            w.Imgtile1[idx(s)].Visible = true;
    }
}

TEST_F(Recolour, ChangesNothingForASlotWithoutARow) {
    const std::pair<CapColour, CapColour> uses[] = {{CapColour::White, CapColour::Silver},
                                                    {CapColour::Silver, CapColour::White},
                                                    {CapColour::Silver, CapColour::Yellow}};
    for (const int slot : {7, 55, 59, 61, 66, 72, 74, 75, 100, 149}) {
        for (const auto& [from, to] : uses) {
            for (const CapShape shape : {CapShape::Side, CapShape::Bottom}) {
                fillPiecesWithCaps(from);
                if (slot < 75) {
                    mj::Image& own = w.Imgvvak[idx(mj::board::faceCornerPiece(slot))];
                    own.Picture = corner(mj::selection::capTemplate(from, shape));
                }
                const std::vector<PieceState> before = pieces();
                w.recolourFaceCorner(slot, from, to);
                const std::vector<PieceState> after = pieces();
                for (int k = 0; k < mj::board::kPieces; ++k) {
                    EXPECT_EQ(after[idx(k)].picture, before[idx(k)].picture)
                        << "slot " << slot << ", Imgvvak " << k;
                }
            }
        }
    }
}

// The recolours as the tile clicks make them, on slot 0 and slot 1 laid out by hand.
TEST_F(Recolour, FollowsTheSelectionOfSlotZeroAndSlotOne) {
    for (int s : {75, 90, 91})
        w.Imgtile1[idx(s)].Visible = false;
    mj::Image& piece0 = w.Imgvvak[144];
    piece0.Picture = corner(6);
    piece0.Visible = true;

    w.Imgtile1_Click(0);
    EXPECT_EQ(w.selectcount, 1);
    EXPECT_EQ(piece0.Picture, corner(11)); // the side cap row of slot 0 leaves it alone
    w.Imgtile1_Click(0);
    EXPECT_EQ(w.selectcount, 0);
    EXPECT_EQ(piece0.Picture, corner(6));
    EXPECT_TRUE(piece0.Visible);

    // With 90 back the piece shows the inner corner, which no recolour touches.
    w.Imgtile1[90].Visible = true;
    piece0.Picture = corner(7);
    w.Imgtile1_Click(0);
    EXPECT_EQ(piece0.Picture, corner(7));
    w.Imgtile1_Click(0);
    EXPECT_EQ(piece0.Picture, corner(7));

    w.Imgtile1[76].Visible = false;
    w.Imgtile1[91].Visible = true;
    mj::Image& piece1 = w.Imgvvak[145];
    piece1.Picture = corner(3);
    piece1.Visible = true;
    w.Imgtile1_Click(1);
    EXPECT_EQ(w.selectcount, 1);
    EXPECT_EQ(piece1.Picture, corner(8));
    EXPECT_EQ(piece0.Picture, corner(7));
}

} // namespace
