#include "window/frmmahjongg.h"

namespace mj {

using board::Band;
using selection::CapColour;

// A click on a free tile: with nothing selected it selects the tile, on the selected tile it
// deselects it, and on another tile it takes the second tile of a pair.
void Frmmahjongg::Imgtile1_Click(std::int16_t Index) {
    clickedslot = Index;
    clickhandled = 0;
    if (selectcount == 0) {
        firstslot = clickedslot;
        if (moveToBand(firstslot, Band::White, Band::Grey)) {
            selectcount = 1;
            clickhandled = 1;
        }
    }
    if (selectcount == 1 && firstslot == Index && clickhandled == 0) {
        if (moveToBand(firstslot, Band::Grey, Band::White)) {
            selectcount = 0;
            clickhandled = 1;
            recolourFaceCorner(firstslot, CapColour::Silver, CapColour::White);
        }
    }
    klikkausjatko();
}

void Frmmahjongg::klikkausjatko() {
    if (selectcount == 1 && firstslot != clickedslot && clickhandled == 0) {
        secondslot = clickedslot;
        if (moveToBand(secondslot, Band::White, Band::Grey)) {
            selectcount = 2;
            clickhandled = 1;
            Imgtile1[board::idx(firstslot)].Enabled = false;
            Imgtile1[board::idx(secondslot)].Enabled = false;
        }
    }
    if (selectcount == 1)
        recolourFaceCorner(firstslot, CapColour::White, CapColour::Silver);
    if (selectcount == 2) {
        recolourFaceCorner(secondslot, CapColour::White, CapColour::Silver);
        tarkistus();
    }
}

} // namespace mj
