#include "platform/virtual_clock.h"

#include "window/timer_delivery.h"

namespace mj {

VirtualClock::VirtualClock(Frmmahjongg& window) : window_(window) {
    sync();
}

void VirtualClock::sync() {
    watch_.sync(window_, [this](TimerId id, TimerWatch::Change change) {
        const auto i = static_cast<std::size_t>(id);
        on_[i] = change == TimerWatch::Change::Started;
        if (on_[i])
            due_[i] = now_ + window_.timer(id).Interval();
    });
}

std::size_t VirtualClock::nextOtherTick(std::int64_t until) const {
    std::size_t next = kTimers;
    for (std::size_t i = kTmr1 + 1; i < kTimers; ++i)
        if (on_[i] && due_[i] <= until && (next == kTimers || due_[i] < due_[next]))
            next = i;
    return next;
}

void VirtualClock::advance(std::int64_t ms) {
    advance(ms, [this](TimerId id, std::int64_t count) {
        if (id == TimerId::Tmr1)
            deliverTmr1Ticks(window_, count);
        else
            deliverTick(window_, id);
    });
}

} // namespace mj
