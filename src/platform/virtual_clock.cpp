#include "platform/virtual_clock.h"

#include "window/click_rule.h"

namespace mj {

VirtualClock::VirtualClock(Frmmahjongg& window)
    : VirtualClock(window, [&window](TimerId id) { deliverTick(window, id); }) {}

VirtualClock::VirtualClock(const Frmmahjongg& window, Deliver deliver)
    : window_(window), deliver_(std::move(deliver)) {
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

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        std::size_t next = kTimers;
        for (std::size_t i = 0; i < kTimers; ++i)
            if (on_[i] && due_[i] <= target && (next == kTimers || due_[i] < due_[next]))
                next = i;
        if (next == kTimers)
            break;
        now_ = due_[next];
        const auto id = static_cast<TimerId>(next);
        due_[next] += window_.timer(id).Interval();
        deliver_(id);
        sync();
    }
    now_ = target;
}

} // namespace mj
