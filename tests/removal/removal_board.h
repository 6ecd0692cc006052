// Boards for the removal tests: a window put straight into the look of a chosen board, and a
// snapshot of everything the removal update may write, for comparing whole end states.
#pragma once

#include "board/corner_table.h"
#include "board/geometry.h"
#include "platform/random.h"
#include "window/frmmahjongg.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace removaltest {

using mj::board::idx;
using mj::board::kNone;
using mj::board::kPieces;
using mj::board::kSlots;

// The full board without the given tiles.
inline mj::board::Presence boardWithout(const std::vector<int>& gone) {
    mj::board::Presence present = mj::board::Presence::full();
    for (const int s : gone)
        present.set(s, false);
    return present;
}

// Puts the window into the look that the deal and the earlier removals leave for a board: the
// tiles present as given, each present tile side-free when it ends its run or a side
// neighbour is gone (the flags of gone tiles off), every edge and corner piece as the board
// rules give it. Hidden corner pieces keep the picture they were created with.
inline void showBoard(mj::Frmmahjongg& w, const mj::board::Presence& present) {
    using namespace mj::board;
    for (int s = 0; s < kSlots; ++s) {
        mj::Image& tile = w.Imgtile1[idx(s)];
        tile.Visible = present[s];
        const int l = leftNeighbour(s), r = rightNeighbour(s);
        tile.Enabled = present[s] && (l == kNone || r == kNone || !present[l] || !present[r]);
        w.Imgpr[idx(s)].Visible = rightEdgeShown(s, present);
        w.Imgvar[idx(s)].Visible = bottomEdgeShown(s, present);
    }
    for (int k = 0; k < kPieces; ++k) {
        const int t = cornerLook(k, present);
        mj::Image& piece = w.Imgvvak[idx(k)];
        piece.Visible = t != kHidden;
        if (t != kHidden)
            piece.Picture = w.Imgvarjo1[idx(t)].Picture;
    }
}

// Everything a removal may change, and the tiles' visibility, which it must not.
struct Look {
    std::array<bool, kSlots> tileVisible{}, flag{}, rightEdge{}, bottomEdge{};
    std::array<bool, kPieces> pieceVisible{};
    std::array<mj::PictureRef, kPieces> piecePicture{}; // only seen while the piece is shown
};

inline Look lookOf(const mj::Frmmahjongg& w) {
    Look look;
    for (int s = 0; s < kSlots; ++s) {
        look.tileVisible[idx(s)] = w.Imgtile1[idx(s)].Visible;
        look.flag[idx(s)] = w.Imgtile1[idx(s)].Enabled;
        look.rightEdge[idx(s)] = w.Imgpr[idx(s)].Visible;
        look.bottomEdge[idx(s)] = w.Imgvar[idx(s)].Visible;
    }
    for (int k = 0; k < kPieces; ++k) {
        look.pieceVisible[idx(k)] = w.Imgvvak[idx(k)].Visible;
        look.piecePicture[idx(k)] = w.Imgvvak[idx(k)].Picture;
    }
    return look;
}

// Every difference between two looks, one failure each; pictures count only on shown pieces.
inline void expectSameLook(const Look& actual, const Look& expected) {
    for (int s = 0; s < kSlots; ++s) {
        const std::size_t i = idx(s);
        EXPECT_EQ(actual.tileVisible[i], expected.tileVisible[i])
            << "Imgtile1(" << s << ").Visible";
        EXPECT_EQ(actual.flag[i], expected.flag[i]) << "Imgtile1(" << s << ").Enabled";
        EXPECT_EQ(actual.rightEdge[i], expected.rightEdge[i]) << "Imgpr(" << s << ").Visible";
        EXPECT_EQ(actual.bottomEdge[i], expected.bottomEdge[i]) << "Imgvar(" << s << ").Visible";
    }
    for (int k = 0; k < kPieces; ++k) {
        const std::size_t i = idx(k);
        EXPECT_EQ(actual.pieceVisible[i], expected.pieceVisible[i])
            << "Imgvvak(" << k << ").Visible";
        if (actual.pieceVisible[i] && expected.pieceVisible[i]) {
            EXPECT_EQ(actual.piecePicture[i], expected.piecePicture[i])
                << "Imgvvak(" << k << ").Picture shows " << actual.piecePicture[i]->asset
                << ", not " << expected.piecePicture[i]->asset;
        }
    }
}

} // namespace removaltest
