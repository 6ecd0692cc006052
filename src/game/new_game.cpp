#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// From game over back to the idle board. The finished game left every tile and piece
// hidden; only the upper layer comes back, between the two halves of the edge look.
void Frmmahjongg::Cmdnew_Click() {
    Cmdnew.Visible = false;
    for (Label* l : {&Lblscore1, &Lblscore2, &Lbltiles1, &Lbltiles2, &Lbltime1, &Lbltime2,
                     &Lbltime3, &Lbltime4})
        l->Visible = false;
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex)
        Imgtile1[idx(loopindex)].Enabled = false;
    for (loopindex = board::kLayerSlots; loopindex <= board::kSlots - 1; ++loopindex)
        previewFace(loopindex);
    restoreEdgeLookLower();
    for (loopindex = board::kLayerSlots; loopindex <= board::kSlots - 1; ++loopindex)
        Imgtile1[idx(loopindex)].Visible = true;
    restoreEdgeLookUpper();
    Cmdstart.Visible = true;
}

} // namespace mj
