#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

void Frmmahjongg::recolourFaceCorner(int slot, selection::CapColour from, selection::CapColour to) {
    for (const selection::FaceCornerRow& row : selection::kFaceCornerTable) {
        if (row.slot != slot)
            continue;
        Image& piece = Imgvvak[idx(board::faceCornerPiece(slot))];
        if (piece.Visible &&
            piece.Picture == Imgvarjo1[idx(selection::capTemplate(from, row.shape))].Picture)
            piece.Picture = Imgvarjo1[idx(selection::capTemplate(to, row.shape))].Picture;
    }
}

} // namespace mj
