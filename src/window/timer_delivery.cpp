#include "window/timer_delivery.h"

namespace mj {

void deliverTick(Frmmahjongg& w, TimerId id) {
    switch (id) {
    case TimerId::Tmr1:
        w.Tmr1_Timer();
        break;
    case TimerId::Tmr2:
        w.Tmr2_Timer();
        break;
    case TimerId::Tmr3:
        w.Tmr3_Timer();
        break;
    case TimerId::Tmr4:
        w.Tmr4_Timer();
        break;
    case TimerId::Tmr5:
        w.Tmr5_Timer();
        break;
    }
}

void deliverTmr1Ticks(Frmmahjongg& w, std::int64_t count) {
    if (count <= 0)
        return;
    // Exact only because Tmr1's handler draws one value and nothing reads it before the next
    // event: the ticks before the last one are the random source moved on by one step each.
    w.randomSkip(static_cast<std::uint64_t>(count - 1));
    w.Tmr1_Timer();
}

} // namespace mj
