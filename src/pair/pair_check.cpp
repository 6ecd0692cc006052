#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::Band;
using board::idx;
using selection::CapColour;

// Two tiles with one face picture are a match: they turn yellow and the bonus is frozen into
// the pair's points until the removal 500 ms later. Any other pair turns back after 500 ms.
// Run again on the same pair, it changes nothing.
void Frmmahjongg::tarkistus() {
    pairmatched = 0;
    if (Imgtile1[idx(firstslot)].Picture == Imgtile1[idx(secondslot)].Picture) {
        moveToBand(firstslot, Band::Grey, Band::Yellow);
        moveToBand(secondslot, Band::Grey, Band::Yellow);
        pairmatched = 1;
        Tmr2.setEnabled(false);
        pairpoints = static_cast<std::int16_t>(bonus);
        Lblbonus3.Caption = numberDisplay(pairpoints);
        Lblbonus2.Caption = "";
        recolourFaceCorner(firstslot, CapColour::Silver, CapColour::Yellow);
        recolourFaceCorner(secondslot, CapColour::Silver, CapColour::Yellow);
        Tmr3.setEnabled(true);
    }
    if (pairmatched == 0)
        Tmr4.setEnabled(true);
}

} // namespace mj
