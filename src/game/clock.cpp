#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

// The game clock: one second a tick, every 998 ms.
void Frmmahjongg::Tmr5_Timer() {
    addClockSecond();
    showClock();
}

// The bonus counts down to 0 and stays there; the timer stays on.
void Frmmahjongg::Tmr2_Timer() {
    if (bonus > 0) {
        bonus = bonus - 1;
        Lblbonus2.Caption = numberDisplay(bonus);
    }
}

void Frmmahjongg::addClockSecond() {
    seconds = seconds + 1;
    if (seconds == 60) {
        minutes = minutes + 1;
        seconds = 0;
    }
}

void Frmmahjongg::showClock() {
    Lbltime2.Caption = numberDisplay(minutes);
    Lbltime4.Caption = secondsDisplay(seconds);
}

} // namespace mj
