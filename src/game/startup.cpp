#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// The idle board shows random grey faces on the upper layer; the best time starts longer than
// any real game, so the first completed game sets it.
void Frmmahjongg::Form_Load() {
    for (loopindex = board::kLayerSlots; loopindex <= board::kSlots - 1; ++loopindex)
        previewFace(loopindex);
    bestminutes = 99999;
    bestseconds = 0;
    bestscore = 0;
}

void Frmmahjongg::previewFace(int slot) {
    randomvalue = randomDraw(41);
    randomindex = randomvalue + 1;
    Imgtile1[idx(slot)].Picture = Imgtmalli[idx(randomindex)].Picture;
    Imgtile1[idx(slot)].Enabled = false;
}

// Keeps the random sequence moving, so that a deal depends on when Start is pressed.
void Frmmahjongg::Tmr1_Timer() {
    randomvalue = randomDraw(150);
}

} // namespace mj
