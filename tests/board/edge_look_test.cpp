// The full-board edge look and its restore, held against the board's lists.
#include "board/edge_look.h"
#include "board_tables.h"
#include "platform/random.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace mj::board;
using boardtest::kLookBottomEdges;
using boardtest::kLookRightEdges;
using boardtest::shifted;
using Kind = EdgeLookSetting::Kind;

struct Layout {
    Layer layer;
    int slotOffset, pieceOffset;
};
constexpr Layout kLayouts[] = {{Layer::Lower, 0, 0}, {Layer::Upper, 75, 129}};

TEST(FullBoardLook, CornerPiecesOfEachLayerShowTheirListedTemplates) {
    const auto look = boardtest::lookCornersOfLayer();
    for (const Layout& l : kLayouts) {
        int shown = 0;
        for (int k = 0; k < kLayerPieces; ++k) {
            SCOPED_TRACE(testing::Message() << "Imgvvak(" << k + l.pieceOffset << ")");
            EXPECT_EQ(fullBoardCorner(k + l.pieceOffset), look[idx(k)]);
            shown += look[idx(k)] != kHidden ? 1 : 0;
        }
        EXPECT_EQ(shown, 62);
    }
}

TEST(FullBoardLook, GroupSizesAndEveryCapGreen) {
    const std::size_t sizes[] = {7, 7, 7, 16, 21, 4};
    std::size_t i = 0;
    for (const boardtest::LookGroup& g : boardtest::kLookCorners)
        EXPECT_EQ(g.pieces.size(), sizes[i++]) << "template " << g.corner;
    for (int k = 0; k < kPieces; ++k) {
        const int t = fullBoardCorner(k);
        EXPECT_NE(t, kWhiteSideCap) << "piece " << k;
        EXPECT_NE(t, kWhiteBottomCap) << "piece " << k;
    }
}

TEST(FullBoardLook, EdgePiecesOfEachLayer) {
    EXPECT_EQ(kLookRightEdges.size(), 27u);
    EXPECT_EQ(kLookBottomEdges.size(), 32u);
    for (const Layout& l : kLayouts) {
        std::set<int> right, bottom;
        for (int s = l.slotOffset; s < l.slotOffset + kLayerSlots; ++s) {
            if (rightEdgeShown(s, Presence::full()))
                right.insert(s);
            if (bottomEdgeShown(s, Presence::full()))
                bottom.insert(s);
        }
        EXPECT_EQ(right, shifted(kLookRightEdges, l.slotOffset));
        EXPECT_EQ(bottom, shifted(kLookBottomEdges, l.slotOffset));
    }
}

// The settings of one half, typed from the lists: each shown corner piece in ascending order,
// its picture and then its visibility; then the right edges; then the bottom edges.
std::vector<EdgeLookSetting> expectedHalf(const Layout& l) {
    const auto look = boardtest::lookCornersOfLayer();
    std::vector<EdgeLookSetting> out;
    for (int k = 0; k < kLayerPieces; ++k)
        if (look[idx(k)] != kHidden) {
            out.push_back({Kind::CornerPicture, k + l.pieceOffset, look[idx(k)]});
            out.push_back({Kind::CornerVisible, k + l.pieceOffset});
        }
    for (const int s : kLookRightEdges)
        out.push_back({Kind::RightEdgeVisible, s + l.slotOffset});
    for (const int s : kLookBottomEdges)
        out.push_back({Kind::BottomEdgeVisible, s + l.slotOffset});
    return out;
}

TEST(RestoreOrder, EachHalfIsTheLayersSettingsInTheirFixedOrder) {
    EXPECT_EQ(kLowerEdgeLook.size(), 183u);
    EXPECT_EQ(kUpperEdgeLook.size(), 183u);
    EXPECT_EQ(kLowerEdgeLook.size() + kUpperEdgeLook.size(), 366u);
    const EdgeLookHalf* halves[] = {&kLowerEdgeLook, &kUpperEdgeLook};
    for (std::size_t h = 0; h < 2; ++h) {
        const std::vector<EdgeLookSetting> expected = expectedHalf(kLayouts[h]);
        ASSERT_EQ(expected.size(), 183u);
        ASSERT_EQ(halves[h]->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << (h == 0 ? "lower" : "upper") << " setting " << i);
            const EdgeLookSetting& got = (*halves[h])[i];
            EXPECT_EQ(got.kind, expected[i].kind);
            EXPECT_EQ(got.index, expected[i].index);
            if (expected[i].kind == Kind::CornerPicture) {
                EXPECT_EQ(got.picture, expected[i].picture);
            }
        }
    }
    EXPECT_EQ(edgeLookHalf(Layer::Lower)[0].index, 1);
    EXPECT_EQ(edgeLookHalf(Layer::Upper)[0].index, 130);
}

// A window whose edge and corner pieces (and tiles) are all hidden, as the deal and Quit leave
// it before they restore the look.
class Restore : public testing::Test {
  protected:
    Restore() {
        for (mj::Image& tile : w.Imgtile1)
            tile.Visible = false;
        for (mj::Image& piece : w.Imgvvak)
            piece.Visible = false;
        for (mj::Image& edge : w.Imgpr)
            edge.Visible = false;
        for (mj::Image& edge : w.Imgvar)
            edge.Visible = false;
    }

    std::set<int> shownCorners(int from, int to) const {
        std::set<int> out;
        for (int k = from; k < to; ++k)
            if (w.Imgvvak[idx(k)].Visible)
                out.insert(k);
        return out;
    }
    std::set<int> shownRight() const {
        std::set<int> out;
        for (int s = 0; s < kSlots; ++s)
            if (w.Imgpr[idx(s)].Visible)
                out.insert(s);
        return out;
    }
    std::set<int> shownBottom() const {
        std::set<int> out;
        for (int s = 0; s < kSlots; ++s)
            if (w.Imgvar[idx(s)].Visible)
                out.insert(s);
        return out;
    }
    static std::set<int> lookCorners(int offset) {
        std::set<int> out;
        for (const boardtest::LookGroup& g : boardtest::kLookCorners)
            for (const int k : g.pieces)
                out.insert(k + offset);
        return out;
    }
    static std::set<int> both(const std::set<int>& lower, int offset) {
        std::set<int> out = lower;
        const std::set<int> upper = shifted(lower, offset);
        out.insert(upper.begin(), upper.end());
        return out;
    }

    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
};

TEST_F(Restore, LowerHalfShowsOnlyTheLowerLayersLook) {
    w.restoreEdgeLookLower();
    EXPECT_EQ(shownCorners(0, kPieces), lookCorners(0));
    EXPECT_EQ(shownRight(), kLookRightEdges);
    EXPECT_EQ(shownBottom(), kLookBottomEdges);
}

TEST_F(Restore, BothHalvesShowTheFullBoardLookWithItsTemplates) {
    w.restoreEdgeLookLower();
    w.restoreEdgeLookUpper();
    const std::set<int> corners = shownCorners(0, kPieces);
    EXPECT_EQ(corners.size(), 124u);
    EXPECT_EQ(shownRight().size(), 54u);
    EXPECT_EQ(shownBottom().size(), 64u);
    EXPECT_EQ(corners, both(lookCorners(0), 129));
    EXPECT_EQ(shownRight(), both(kLookRightEdges, 75));
    EXPECT_EQ(shownBottom(), both(kLookBottomEdges, 75));
    for (const boardtest::LookGroup& g : boardtest::kLookCorners)
        for (const int k : both(g.pieces, 129))
            EXPECT_EQ(w.Imgvvak[idx(k)].Picture, w.Imgvarjo1[idx(g.corner)].Picture)
                << "Imgvvak(" << k << ")";
    // The restore touches no tile.
    for (int s = 0; s < kTileImages; ++s)
        EXPECT_FALSE(w.Imgtile1[idx(s)].Visible) << "slot " << s;
}

TEST_F(Restore, NineTopRowUpperPiecesKeepTheGreenSideCap) {
    w.restoreEdgeLookLower();
    w.restoreEdgeLookUpper();
    for (const int k : boardtest::kFixedGreenSideCaps) {
        SCOPED_TRACE(testing::Message() << "Imgvvak(" << k << ")");
        EXPECT_FALSE(w.Imgvvak[idx(k)].Visible);
        EXPECT_EQ(w.Imgvvak[idx(k)].Picture, w.Imgvarjo1[kGreenSideCap].Picture);
    }
}

// The pieces the look leaves hidden keep whatever picture they hold, also a recoloured cap.
TEST_F(Restore, HiddenPiecesKeepTheirPictures) {
    std::vector<mj::PictureRef> before(kPieces);
    for (int k = 0; k < kPieces; ++k) {
        w.Imgvvak[idx(k)].Picture = w.Imgvarjo1[idx(k % kCornerTemplates)].Picture;
        before[idx(k)] = w.Imgvvak[idx(k)].Picture;
    }
    w.restoreEdgeLookLower();
    w.restoreEdgeLookUpper();
    const std::set<int> shown = both(lookCorners(0), 129);
    int kept = 0;
    for (int k = 0; k < kPieces; ++k) {
        if (shown.count(k))
            continue;
        ++kept;
        EXPECT_FALSE(w.Imgvvak[idx(k)].Visible) << "Imgvvak(" << k << ")";
        EXPECT_EQ(w.Imgvvak[idx(k)].Picture, before[idx(k)]) << "Imgvvak(" << k << ")";
    }
    EXPECT_EQ(kept, 134);
}

} // namespace
