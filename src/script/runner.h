// Drives a fresh window as a player and the clock would, line by line, and prints what the
// window holds.
#pragma once

#include "platform/virtual_clock.h"
#include "window/frmmahjongg.h"

#include <cstdint>
#include <iosfwd>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mj {

// The words of a script line as the runner reads them: a carriage return at its end is
// dropped, and words are separated by spaces and tabs.
std::vector<std::string_view> scriptWords(std::string_view line);

// What a number of more digits than 63 bits hold reads as.
inline constexpr std::int64_t kHugeNumber = std::numeric_limits<std::int64_t>::max();

// A word as a whole decimal number, 0 or more, of any number of digits (leading zeros
// included), or nothing when it is not one. Numbers too large to hold read as kHugeNumber.
std::optional<std::int64_t> scriptNumber(std::string_view word);

class ScriptRunner {
  public:
    // Creates the window and runs its load event at 0 ms.
    explicit ScriptRunner(std::ostream& out);

    // Runs one line of a script; returns why it is malformed, or nothing when it ran.
    std::optional<std::string> runLine(std::string_view line);

    // The exit statuses of run() besides 0, a script run to its end.
    static constexpr int kCannotWrite = 1; // the output could not be written
    static constexpr int kMalformed = 2;   // a malformed line, or a script that cannot be read

    // The virtual clock runs to this time at most; a wait beyond it is malformed.
    static constexpr std::int64_t kLatestMs = VirtualClock::kLatestMs;

    // Runs a whole script; a malformed line ends it with its number and reason on `err`, and
    // so does output that cannot be written.
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
