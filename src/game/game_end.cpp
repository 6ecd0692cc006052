#include "game/number_display.h"
#include "window/frmmahjongg.h"

namespace mj {

// Game over: the final score and time stay on view, and the best records take a strictly
// better score or a strictly shorter time.
void Frmmahjongg::peliloppu() {
    Tmr5.setEnabled(false);
    Cmdquit.Visible = false;
    Cmdpause.Visible = false;
    Cmdnew.Visible = true;
    Lblbonus1.Visible = false;
    Lblbonus2.Visible = false;
    Lblbonus3.Visible = false;
    Lbltiles1.Visible = false;
    Lbltiles2.Visible = false;
    if (score > bestscore) {
        bestscore = score;
        Lblbests2.Caption = numberDisplay(bestscore);
    }
    auto recordTime = [this] {
        bestminutes = minutes;
        bestseconds = seconds;
        Lblbestt2.Caption = numberDisplay(bestminutes);
        Lblbestt4.Caption = secondsDisplay(bestseconds);
    };
    if (minutes == bestminutes && seconds < bestseconds)
        recordTime();
    if (minutes < bestminutes)
        recordTime();
    Lblbests1.Visible = true;
    Lblbests2.Visible = true;
    Lblbestt1.Visible = true;
    Lblbestt2.Visible = true;
    Lblbestt3.Visible = true;
    Lblbestt4.Visible = true;
}

} // namespace mj
