#include "window/frmmahjongg.h"

namespace mj {

using board::Band;
using board::idx;
using selection::CapColour;

// 500 ms after a mismatch both tiles turn white again and can be picked anew.
void Frmmahjongg::Tmr4_Timer() {
    Tmr4.setEnabled(false);
    moveToBand(firstslot, Band::Grey, Band::White);
    moveToBand(secondslot, Band::Grey, Band::White);
    recolourFaceCorner(firstslot, CapColour::Silver, CapColour::White);
    recolourFaceCorner(secondslot, CapColour::Silver, CapColour::White);
    Imgtile1[idx(firstslot)].Enabled = true;
    Imgtile1[idx(secondslot)].Enabled = true;
    selectcount = 0;
}

} // namespace mj
