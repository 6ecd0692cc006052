#include "deal/face_copies.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

namespace {

constexpr int kFewestSwapPasses = 10001;

} // namespace

void Frmmahjongg::arvonta() {
    // Hide the board.
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex) {
        Imgtile1[idx(loopindex)].Visible = false;
        Imgpr[idx(loopindex)].Visible = false;
        Imgvar[idx(loopindex)].Visible = false;
    }
    for (loopindex = 0; loopindex <= board::kPieces - 1; ++loopindex)
        Imgvvak[idx(loopindex)].Visible = false;

    // A random order of the slots: each position draws until it finds a slot that no earlier
    // position holds.
    randomvalue = randomDraw(150);
    dealorder[0] = static_cast<std::int16_t>(randomvalue);
    for (loopindex = 1; loopindex <= board::kSlots - 1; ++loopindex) {
        bool repeated;
        do {
            randomvalue = randomDraw(150);
            dealcandidate = randomvalue;
            repeated = false;
            for (innerindex = 0; innerindex <= loopindex - 1; ++innerindex)
                if (dealorder[idx(innerindex)] == dealcandidate) {
                    repeated = true;
                    break;
                }
        } while (repeated);
        dealorder[idx(loopindex)] = static_cast<std::int16_t>(dealcandidate);
    }

    // The faces, in the white band, along that order.
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex) {
        const int face = deal::kFaceCopies[idx(loopindex)];
        Imgtile1[idx(dealorder[idx(loopindex)])].Picture =
            Imgtmalli[idx(board::faceTemplate(face, board::Band::White))].Picture;
    }

    // The swap shuffle, through the spare slot. Slot 149 never takes part.
    randomindex = randomDraw(20000);
    const Tagged lastPass = randomindex + kFewestSwapPasses - 1;
    Image& spare = Imgtile1[board::kSpareSlot];
    for (loopindex = 0; loopindex <= lastPass; ++loopindex) {
        randomindex = randomDraw(149);
        swapslot = static_cast<std::int16_t>(randomDraw(149));
        if (randomindex != swapslot) {
            spare.Picture = Imgtile1[idx(randomindex)].Picture;
            Imgtile1[idx(randomindex)].Picture = Imgtile1[idx(swapslot)].Picture;
            Imgtile1[idx(swapslot)].Picture = spare.Picture;
        }
    }

    // Only the end slots of the runs are free at a side.
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex)
        Imgtile1[idx(loopindex)].Enabled = true;
    for (int slot = 0; slot < board::kSlots; ++slot)
        if (board::isInterior(slot))
            Imgtile1[idx(slot)].Enabled = false;

    restoreEdgeLookLower();
    restoreEdgeLookUpper();
    for (loopindex = 0; loopindex <= board::kSlots - 1; ++loopindex)
        Imgtile1[idx(loopindex)].Visible = true;

    for (bool* shown : {&Cmdquit.Visible, &Cmdpause.Visible, &Lblscore1.Visible, &Lblscore2.Visible,
                        &Lblbonus1.Visible, &Lblbonus2.Visible, &Lblbonus3.Visible,
                        &Lbltime1.Visible, &Lbltime2.Visible, &Lbltime3.Visible, &Lbltime4.Visible,
                        &Lbltiles1.Visible, &Lbltiles2.Visible})
        *shown = true;
    Tmr5.setEnabled(true);
    Tmr2.setEnabled(true);
}

} // namespace mj
