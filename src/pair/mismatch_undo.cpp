#include "window/frmmahjongg.h"

namespace mj {

using board::idx;
using selection::CapColour;

// 500 ms after a mismatch both tiles turn white again and can be picked anew.
void Frmmahjongg::Tmr4_Timer() {
    Tmr4.setEnabled(false);
    Image& first = Imgtile1[idx(firstslot)];
    Image& second = Imgtile1[idx(secondslot)];
    for (loopindex = 0; loopindex <= board::kFaces - 1; ++loopindex) {
        const PictureRef grey = Imgtmalli[idx(loopindex)].Picture;
        const PictureRef white = Imgtmalli[idx(loopindex + board::kFaces)].Picture;
        if (first.Picture == grey)
            first.Picture = white;
        if (second.Picture == grey)
            second.Picture = white;
    }
    recolourFaceCorner(firstslot, CapColour::Silver, CapColour::White);
    recolourFaceCorner(secondslot, CapColour::Silver, CapColour::White);
    first.Enabled = true;
    second.Enabled = true;
    selectcount = 0;
}

} // namespace mj
