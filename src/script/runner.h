// Drives a fresh window as a player and the clock would, line by line, and prints what the
// window holds.
#pragma once

#include "platform/virtual_clock.h"
#include "window/frmmahjongg.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace mj {

class ScriptRunner {
  public:
    // Creates the window and runs its load event at 0 ms.
    explicit ScriptRunner(std::ostream& out);

    // Runs one line of a script; returns why it is malformed, or nothing when it ran.
    std::optional<std::string> runLine(std::string_view line);

    // Runs a whole script; a malformed line ends it with its number and reason on `err`.
    // Returns the exit status: 0 when the script ran to its end, 2 on a malformed line.
    int run(std::istream& in, std::ostream& err);

    Frmmahjongg& window() { return window_; }
    const VirtualClock& clock() const { return clock_; }

  private:
    void clickPixel(std::int64_t x, std::int64_t y);

    std::ostream& out_;
    MinimalStandard random_;
    Frmmahjongg window_;
    VirtualClock clock_;
};

} // namespace mj
