#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// 500 ms after a match the pair leaves the board and scores its frozen points; the board
// around it is brought up to date at once.
void Frmmahjongg::Tmr3_Timer() {
    Tmr3.setEnabled(false);
    Imgtile1[idx(firstslot)].Visible = false;
    Imgtile1[idx(secondslot)].Visible = false;
    score = score + pairpoints;
    Lblscore2.Caption = numberDisplay(score);
    pairpoints = 0;
    Lblbonus3.Caption = "";
    bonus = 1000;
    Lblbonus2.Caption = numberDisplay(bonus);
    tarkistus2();
}

} // namespace mj
