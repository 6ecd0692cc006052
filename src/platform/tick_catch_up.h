// Counts the ticks of a timer that fell due on a monotonic clock since they were last
// counted, for a timer backend that does not wake for each tick but catches up on them just
// before the next event.
#pragma once

#include <cstdint>

namespace mj {

class TickCatchUp {
  public:
    // The timer was switched on at `now` (in ms): it ticks at now + interval, now + 2
    // interval, ...
    void start(std::int64_t now, int interval) {
        since_ = now;
        interval_ = interval;
        counted_ = 0;
        on_ = true;
    }
    void stop() { on_ = false; }

    // How many ticks fell due by `now` that were not counted yet; from here on they are.
    std::int64_t take(std::int64_t now) {
        if (!on_ || now < since_)
            return 0;
        const std::int64_t due = (now - since_) / interval_;
        const std::int64_t fresh = due - counted_;
        counted_ = due;
        return fresh > 0 ? fresh : 0;
    }

  private:
    std::int64_t since_ = 0;
    std::int64_t interval_ = 1;
    std::int64_t counted_ = 0;
    bool on_ = false;
};

} // namespace mj
