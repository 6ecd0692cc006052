#include "platform/virtual_clock.h"

#include "window/timer_delivery.h"

namespace mj {

namespace {

constexpr std::size_t kTmr1 = static_cast<std::size_t>(TimerId::Tmr1);

} // namespace

VirtualClock::VirtualClock(Frmmahjongg& window)
    : VirtualClock(window, [handlers = &window](TimerId id, std::int64_t count) {
          if (id == TimerId::Tmr1)
              deliverTmr1Ticks(*handlers, count);
          else
              deliverTick(*handlers, id);
      }) {}

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

std::size_t VirtualClock::nextOtherTick(std::int64_t until) const {
    std::size_t next = kTimers;
    for (std::size_t i = kTmr1 + 1; i < kTimers; ++i)
        if (on_[i] && due_[i] <= until && (next == kTimers || due_[i] < due_[next]))
            next = i;
    return next;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    std::size_t next = nextOtherTick(target);
    for (;;) {
        const std::int64_t until = next == kTimers ? target : due_[next];
        // Tmr1's ticks up to and including that instant come first, as one batch.
        if (on_[kTmr1] && due_[kTmr1] <= until) {
            const std::int64_t interval = window_.timer(TimerId::Tmr1).Interval();
            const std::int64_t count = (until - due_[kTmr1]) / interval + 1;
            now_ = due_[kTmr1] + (count - 1) * interval;
            due_[kTmr1] = now_ + interval;
            // Tmr1's handler switches no timer, so the tick found next stays next.
            deliver_(TimerId::Tmr1, count);
            continue;
        }
        if (next == kTimers)
            break;
        now_ = due_[next];
        const auto id = static_cast<TimerId>(next);
        due_[next] += window_.timer(id).Interval();
        deliver_(id, 1);
        sync();
        next = nextOtherTick(target);
    }
    now_ = target;
}

} // namespace mj
