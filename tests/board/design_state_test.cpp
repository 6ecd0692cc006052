// The board as a newly created window holds it: tiles, templates and the pieces in the
// full-board edge look, with the pictures of the hidden corner pieces.
#include "board/edge_look.h"
#include "board_tables.h"
#include "platform/random.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace mj::board;
using boardtest::shifted;

class DesignState : public testing::Test {
  protected:
    bool isCornerTemplate(mj::PictureRef picture) const {
        for (const mj::Image& t : w.Imgvarjo1)
            if (t.Picture == picture)
                return true;
        return false;
    }

    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
};

TEST_F(DesignState, TilesHoldTheStartTilePictureAndTemplatesAreHidden) {
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        EXPECT_TRUE(w.Imgtile1[idx(s)].Visible);
        EXPECT_TRUE(w.Imgtile1[idx(s)].Enabled);
        EXPECT_EQ(w.Imgtile1[idx(s)].Picture, &w.pictures.startTile);
    }
    const mj::Image& spare = w.Imgtile1[idx(kSpareSlot)];
    EXPECT_FALSE(spare.Visible);
    EXPECT_EQ(spare.Left, 5400);
    EXPECT_EQ(spare.Top, 3600);
    EXPECT_EQ(spare.Picture, &w.pictures.startTile);
    for (const mj::Image& t : w.Imgtmalli) {
        EXPECT_FALSE(t.Visible);
        // The start tile picture shows no face.
        EXPECT_NE(t.Picture, &w.pictures.startTile);
    }
    for (const mj::Image& t : w.Imgvarjo1)
        EXPECT_FALSE(t.Visible);
}

TEST_F(DesignState, EdgePiecesStandInTheFullBoardLook) {
    const std::set<int> right0 = boardtest::kLookRightEdges, bottom0 = boardtest::kLookBottomEdges;
    std::set<int> right = shifted(right0, 75), bottom = shifted(bottom0, 75);
    right.insert(right0.begin(), right0.end());
    bottom.insert(bottom0.begin(), bottom0.end());
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(testing::Message() << "slot " << s);
        EXPECT_EQ(w.Imgpr[idx(s)].Visible, right.count(s) == 1);
        EXPECT_EQ(w.Imgvar[idx(s)].Visible, bottom.count(s) == 1);
    }
}

// Every corner piece: shown with its template where the look shows it, hidden with the
// picture of the window's design elsewhere; pieces 0 and 144 hold a picture that is no
// corner template.
TEST_F(DesignState, CornerPiecesHoldTheLookAndTheirDesignPicturesWhenHidden) {
    std::map<int, int> shown, hidden; // piece -> corner template
    for (const boardtest::LookGroup& g : boardtest::kLookCorners)
        for (const int k : g.pieces) {
            shown[k] = g.corner;
            shown[k + 129] = g.corner;
        }
    for (const auto* table : {&boardtest::kDesignLower, &boardtest::kDesignUpper})
        for (const boardtest::LookGroup& g : *table)
            for (const int k : g.pieces)
                EXPECT_TRUE(hidden.emplace(k, g.corner).second) << "listed twice: " << k;
    EXPECT_EQ(shown.size(), 124u);
    EXPECT_EQ(hidden.size() + boardtest::kDesignUntemplated.size(), 134u);

    for (int k = 0; k < kPieces; ++k) {
        SCOPED_TRACE(testing::Message() << "Imgvvak(" << k << ")");
        const mj::Image& piece = w.Imgvvak[idx(k)];
        EXPECT_TRUE(piece.Enabled);
        if (const auto it = shown.find(k); it != shown.end()) {
            EXPECT_TRUE(piece.Visible);
            EXPECT_EQ(piece.Picture, w.Imgvarjo1[idx(it->second)].Picture);
            EXPECT_EQ(designCorner(k), it->second);
        } else if (const auto h = hidden.find(k); h != hidden.end()) {
            EXPECT_FALSE(piece.Visible);
            EXPECT_EQ(piece.Picture, w.Imgvarjo1[idx(h->second)].Picture)
                << "expected template " << h->second;
            EXPECT_EQ(designCorner(k), h->second);
        } else {
            ASSERT_EQ(boardtest::kDesignUntemplated.count(k), 1u);
            EXPECT_FALSE(piece.Visible);
            ASSERT_NE(piece.Picture, nullptr);
            EXPECT_FALSE(isCornerTemplate(piece.Picture));
            EXPECT_EQ(designCorner(k), kNone);
        }
    }
}

TEST_F(DesignState, NineTopRowUpperPiecesHoldTheGreenSideCap) {
    for (const int k : boardtest::kFixedGreenSideCaps) {
        SCOPED_TRACE(testing::Message() << "Imgvvak(" << k << ")");
        EXPECT_FALSE(w.Imgvvak[idx(k)].Visible);
        EXPECT_EQ(w.Imgvvak[idx(k)].Picture, w.Imgvarjo1[kGreenSideCap].Picture);
    }
}

} // namespace
