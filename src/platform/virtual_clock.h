// A clock that runs only when told to, for tests and the script runner: it delivers every
// tick that falls due, in time order, with ties in timer order Tmr1 to Tmr5.
#pragma once

#include "platform/timer_watch.h"

#include <array>
#include <cstdint>

namespace mj {

class VirtualClock {
  public:
    // Starts at 0 ms with the timers the window was created with; the ticks go to the
    // window's tick handlers.
    explicit VirtualClock(Frmmahjongg& window);

    // The latest time the clock can reach.
    static constexpr std::int64_t kLatestMs = std::int64_t{1} << 62;

    std::int64_t now() const { return now_; }

    // Takes note of the timers an event handler switched on or off at the current time.
    // Call it after every event that the clock did not deliver itself.
    void sync();

    // Moves the clock on by `ms`, delivering each tick that falls due up to the new time,
    // which must not pass kLatestMs.
    void advance(std::int64_t ms);

    // The same, with the ticks handed to `deliver(id, count)` instead of the window's
    // handlers, for a test that records them: `count` ticks of one timer due in a row, the
    // last of them at now(). Every Tmr1 tick that falls due before the next tick of another
    // timer comes as one batch; any other timer's ticks come one at a time. Like Tmr1's
    // handler, a delivery of Tmr1 must switch no timer.
    template <class Deliver> void advance(std::int64_t ms, Deliver&& deliver);

  private:
    static constexpr std::size_t kTmr1 = static_cast<std::size_t>(TimerId::Tmr1);

    // The next tick of Tmr2 to Tmr5 due by `until`, or kTimers when there is none.
    std::size_t nextOtherTick(std::int64_t until) const;

    Frmmahjongg& window_;
    TimerWatch watch_;
    std::int64_t now_ = 0;
    std::array<std::int64_t, kTimers> due_{}; // the next tick of each timer that is on
    std::array<bool, kTimers> on_{};
};

template <class Deliver> void VirtualClock::advance(std::int64_t ms, Deliver&& deliver) {
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
            deliver(TimerId::Tmr1, count);
            continue;
        }
        if (next == kTimers)
            break;
        now_ = due_[next];
        const auto id = static_cast<TimerId>(next);
        due_[next] += window_.timer(id).Interval();
        deliver(id, std::int64_t{1});
        sync();
        next = nextOtherTick(target);
    }
    now_ = target;
}

} // namespace mj
