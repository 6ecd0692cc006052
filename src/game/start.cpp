#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

// Every game begins from the same per-game values, whatever the last one left.
void Frmmahjongg::Cmdstart_Click() {
    tilesleft = 150;
    score = 0;
    bonus = 1000;
    pairpoints = 0;
    paused = 0;
    minutes = 0;
    seconds = 0;
    selectcount = 0;
    tmr2held = 0;
    tmr3held = 0;
    tmr4held = 0;
    Lbltiles2.Caption = numberDisplay(tilesleft);
    Lbltime2.Caption = numberDisplay(minutes);
    Lbltime4.Caption = " 00";
    Lblscore2.Caption = numberDisplay(score);
    Lblbonus2.Caption = numberDisplay(bonus);
    Lblbonus3.Caption = "";
    Cmdstart.Visible = false;
    Cmdpause.Caption = kPauseCaption;
    arvonta();
}

} // namespace mj
