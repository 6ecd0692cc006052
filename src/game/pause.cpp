#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

namespace {

// The pause picture covers the whole board.
constexpr int kPauseLeft = 120, kPauseTop = 1800, kPauseWidth = 11520, kPauseHeight = 4680;
constexpr int kPauseSeconds = 15;

} // namespace

// Pause costs 250 points and 15 seconds and holds every running game timer; the resume
// restarts exactly the held ones.
void Frmmahjongg::Cmdpause_Click() {
    if (paused == 0) {
        Cmdpause.Caption = kPauseOffCaption;
        Imgpause.Width = kPauseWidth;
        Imgpause.Height = kPauseHeight;
        Imgpause.Left = kPauseLeft;
        Imgpause.Top = kPauseTop;
        Imgpause.Visible = true;
        score = score - 250;
        Lblscore2.Caption = numberDisplay(score);
        paused = 1;
        if (Tmr2.Enabled()) {
            Tmr2.setEnabled(false);
            tmr2held = 1;
        }
        if (Tmr3.Enabled()) {
            Tmr3.setEnabled(false);
            tmr3held = 1;
        }
        if (Tmr4.Enabled()) {
            Tmr4.setEnabled(false);
            tmr4held = 1;
        }
        Tmr5.setEnabled(false);
        for (loopindex = 0; loopindex <= kPauseSeconds - 1; ++loopindex)
            addClockSecond();
        showClock();
    } else {
        Cmdpause.Caption = kPauseCaption;
        Imgpause.Visible = false;
        paused = 0;
        if (tmr2held == 1) {
            Tmr2.setEnabled(true);
            tmr2held = 0;
        }
        if (tmr3held == 1) {
            Tmr3.setEnabled(true);
            tmr3held = 0;
        }
        if (tmr4held == 1) {
            Tmr4.setEnabled(true);
            tmr4held = 0;
        }
        Tmr5.setEnabled(true);
    }
}

} // namespace mj
