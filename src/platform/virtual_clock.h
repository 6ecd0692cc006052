// A clock that runs only when told to, for tests and the script runner: it delivers every
// tick that falls due, in time order, with ties in timer order Tmr1 to Tmr5.
#pragma once

#include "platform/timer_watch.h"

#include <array>
#include <cstdint>
#include <functional>

namespace mj {

class VirtualClock {
  public:
    // Receives `count` ticks of one timer due in a row, the last of them at now(): every
    // Tmr1 tick that falls due before the next tick of another timer comes as one batch;
    // any other timer's ticks come one at a time. Like Tmr1's handler, a delivery of Tmr1
    // must switch no timer.
    using Deliver = std::function<void(TimerId, std::int64_t count)>;

    // Starts at 0 ms with the timers the window was created with; the ticks are handed to
    // the window's tick handlers, or to `deliver`.
    explicit VirtualClock(Frmmahjongg& window);
    VirtualClock(const Frmmahjongg& window, Deliver deliver);

    // The latest time the clock can reach.
    static constexpr std::int64_t kLatestMs = std::int64_t{1} << 62;

    std::int64_t now() const { return now_; }

    // Takes note of the timers an event handler switched on or off at the current time.
    // Call it after every event that the clock did not deliver itself.
    void sync();

    // Moves the clock on by `ms`, delivering each tick that falls due up to the new time,
    // which must not pass kLatestMs.
    void advance(std::int64_t ms);

  private:
    // The next tick of Tmr2 to Tmr5 due by `until`, or kTimers when there is none.
    std::size_t nextOtherTick(std::int64_t until) const;

    const Frmmahjongg& window_;
    Deliver deliver_;
    TimerWatch watch_;
    std::int64_t now_ = 0;
    std::array<std::int64_t, kTimers> due_{}; // the next tick of each timer that is on
    std::array<bool, kTimers> on_{};
};

} // namespace mj
