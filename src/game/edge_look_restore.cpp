#include "board/edge_look.h"
#include "window/frmmahjongg.h"

namespace mj {

namespace {

void restore(Frmmahjongg& w, const board::EdgeLookHalf& half) {
    using Kind = board::EdgeLookSetting::Kind;
    using board::idx;
    for (const board::EdgeLookSetting& s : half) {
        switch (s.kind) {
        case Kind::CornerPicture:
            w.Imgvvak[idx(s.index)].Picture = w.Imgvarjo1[idx(s.picture)].Picture;
            break;
        case Kind::CornerVisible:
            w.Imgvvak[idx(s.index)].Visible = true;
            break;
        case Kind::RightEdgeVisible:
            w.Imgpr[idx(s.index)].Visible = true;
            break;
        case Kind::BottomEdgeVisible:
            w.Imgvar[idx(s.index)].Visible = true;
            break;
        }
    }
}

} // namespace

void Frmmahjongg::restoreEdgeLookLower() {
    restore(*this, board::kLowerEdgeLook);
}
void Frmmahjongg::restoreEdgeLookUpper() {
    restore(*this, board::kUpperEdgeLook);
}

} // namespace mj
