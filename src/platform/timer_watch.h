// Notices, after each event, which timers its handler switched on or off, so that a timer
// backend can start a new schedule from that moment or drop the old one.
#pragma once

#include "window/frmmahjongg.h"

#include <array>

namespace mj {

class TimerWatch {
  public:
    enum class Change { Started, Stopped };

    // Calls onChange(id, change) for every timer whose schedule the last event changed: a
    // timer switched on from off (even if it was on before the event and switched off and on
    // again within it) starts anew; a timer now off that was on stops. A timer that stayed on
    // keeps its schedule.
    template <class F> void sync(const Frmmahjongg& w, F&& onChange) {
        for (int i = 0; i < kTimers; ++i) {
            const auto id = static_cast<TimerId>(i);
            const Timer& t = w.timer(id);
            Seen& seen = seen_[static_cast<std::size_t>(i)];
            if (t.Enabled() && t.starts() != seen.starts)
                onChange(id, Change::Started);
            else if (!t.Enabled() && seen.enabled)
                onChange(id, Change::Stopped);
            seen = {t.Enabled(), t.starts()};
        }
    }

  private:
    struct Seen {
        bool enabled = false;
        unsigned starts = 0;
    };
    std::array<Seen, kTimers> seen_{};
};

} // namespace mj
