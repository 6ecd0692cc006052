#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// Quit abandons the game where it stands and lays a fresh idle board; only the best score
// can gain from it. The per-game fields keep their values until the next Start.
void Frmmahjongg::Cmdquit_Click() {
    Cmdquit.Visible = false;
    Cmdpause.Visible = false;
    Imgpause.Visible = false;
    Tmr2.setEnabled(false);
    Tmr3.setEnabled(false);
    Tmr4.setEnabled(false);
    Tmr5.setEnabled(false);
    for (Label* l : {&Lbltiles1, &Lbltiles2, &Lblbonus1, &Lblbonus2, &Lblbonus3, &Lbltime1,
                     &Lbltime2, &Lbltime3, &Lbltime4})
        l->Visible = false;
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex) {
        Imgtile1[idx(loopindex)].Visible = false;
        Imgtile1[idx(loopindex)].Enabled = false;
        Imgpr[idx(loopindex)].Visible = false;
        Imgvar[idx(loopindex)].Visible = false;
    }
    for (loopindex = 0; loopindex <= board::kPieces - 1; ++loopindex)
        Imgvvak[idx(loopindex)].Visible = false;
    if (score > bestscore) {
        bestscore = score;
        Lblbests2.Caption = numberDisplay(bestscore);
        Lblbests1.Visible = true;
        Lblbests2.Visible = true;
    }
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex)
        previewFace(loopindex);
    restoreEdgeLookLower();
    restoreEdgeLookUpper();
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex)
        Imgtile1[idx(loopindex)].Visible = true;
    Cmdstart.Visible = true;
}

} // namespace mj
