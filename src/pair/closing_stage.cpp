#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// The end of every removal: the tiles left, the matched pair's yellow caps turned green, the
// selection cleared, and the countdown resumed or the game over.
void Frmmahjongg::tarkistus17() {
    tilesleft = static_cast<std::int16_t>(tilesleft - 2);
    Lbltiles2.Caption = numberDisplay(tilesleft);
    const auto picture = [this](int t) { return Imgvarjo1[idx(t)].Picture; };
    // The last piece is slot 74's face corner piece; no face corner row, so never a yellow cap.
    for (loopindex = 0; loopindex <= board::kPieces - 2; ++loopindex) {
        Image& piece = Imgvvak[idx(loopindex)];
        if (piece.Picture == picture(board::kYellowSideCap))
            piece.Picture = picture(board::kGreenSideCap);
        if (piece.Picture == picture(board::kYellowBottomCap))
            piece.Picture = picture(board::kGreenBottomCap);
    }
    selectcount = 0;
    if (tilesleft != 0)
        Tmr2.setEnabled(true);
    else
        peliloppu();
}

} // namespace mj
