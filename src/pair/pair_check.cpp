#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;
using selection::CapColour;

// Two tiles with one face picture are a match: they turn yellow and the bonus is frozen into
// the pair's points until the removal 500 ms later. Any other pair turns back after 500 ms.
// Run again on the same pair, it changes nothing.
void Frmmahjongg::tarkistus() {
    pairmatched = 0;
    Image& first = Imgtile1[idx(firstslot)];
    Image& second = Imgtile1[idx(secondslot)];
    if (first.Picture == second.Picture) {
        for (loopindex = 0; loopindex <= board::kFaces - 1; ++loopindex) {
            const PictureRef grey = Imgtmalli[idx(loopindex)].Picture;
            const PictureRef yellow = Imgtmalli[idx(loopindex + 2 * board::kFaces)].Picture;
            if (first.Picture == grey)
                first.Picture = yellow;
            if (second.Picture == grey)
                second.Picture = yellow;
        }
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
