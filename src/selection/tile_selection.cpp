#include "window/frmmahjongg.h"

namespace mj {

using board::idx;
using selection::CapColour;

namespace {

constexpr int kWhiteFirst = board::faceTemplate(0, board::Band::White);
constexpr int kWhiteLast = board::faceTemplate(board::kFaces - 1, board::Band::White);

} // namespace

// A click on a free tile: with nothing selected it selects the tile, on the selected tile it
// deselects it, and on another tile it takes the second tile of a pair.
void Frmmahjongg::Imgtile1_Click(std::int16_t Index) {
    clickedslot = Index;
    clickhandled = 0;
    if (selectcount == 0) {
        firstslot = clickedslot;
        for (loopindex = kWhiteFirst; loopindex <= kWhiteLast; ++loopindex)
            if (Imgtile1[idx(firstslot)].Picture == Imgtmalli[idx(loopindex)].Picture) {
                Imgtile1[idx(firstslot)].Picture =
                    Imgtmalli[idx(loopindex - board::kFaces)].Picture;
                selectcount = 1;
                clickhandled = 1;
            }
    }
    if (selectcount == 1 && firstslot == Index && clickhandled == 0) {
        for (loopindex = 0; loopindex <= board::kFaces - 1; ++loopindex)
            if (Imgtile1[idx(firstslot)].Picture == Imgtmalli[idx(loopindex)].Picture) {
                Imgtile1[idx(firstslot)].Picture =
                    Imgtmalli[idx(loopindex + board::kFaces)].Picture;
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
        for (loopindex = kWhiteFirst; loopindex <= kWhiteLast; ++loopindex)
            if (Imgtile1[idx(secondslot)].Picture == Imgtmalli[idx(loopindex)].Picture) {
                Imgtile1[idx(secondslot)].Picture =
                    Imgtmalli[idx(loopindex - board::kFaces)].Picture;
                selectcount = 2;
                clickhandled = 1;
                Imgtile1[idx(firstslot)].Enabled = false;
                Imgtile1[idx(secondslot)].Enabled = false;
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
