#include "script/runner.h"
#include "support/board_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using mj::board::idx;

// Long random sequences of clicks anywhere, mnemonic keys and waits of every length, with
// matching pairs picked often enough to play games through. After every event the game and
// selection states must agree with the buttons, timers, labels and tiles, and after every
// removal the board with its rules. A failure prints the script that replays it.
class RandomEvents {
  public:
    explicit RandomEvents(unsigned seed) : runner_(sink_), choice_(seed) {}

    // Runs `events` random events; returns the first fault, or an empty string.
    std::string run(int events) {
        for (int i = 0; i < events; ++i) {
            for (const std::string& line : nextEvent()) {
                script_ += line + "\n";
                if (const auto error = runner_.runLine(line))
                    return "the runner refused '" + line + "': " + *error;
                if (std::string fault = check(); !fault.empty())
                    return fault;
            }
        }
        return {};
    }

    const std::string& script() const { return script_; }
    int removals() const { return removals_; }

  private:
    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choice_); }

    std::vector<std::string> nextEvent() {
        const mj::Frmmahjongg& w = runner_.window();
        const int kind = roll(100);
        if (kind < 30) {
            const std::vector<int> free = mj::testing::clickableTiles(w);
            for (std::size_t i = 0; i < free.size(); ++i)
                for (std::size_t j = i + 1; j < free.size(); ++j)
                    if (w.Imgtile1[idx(free[i])].Picture == w.Imgtile1[idx(free[j])].Picture &&
                        roll(3) == 0)
                        return {"tile " + std::to_string(free[i]),
                                "tile " + std::to_string(free[j])};
        }
        if (kind < 50)
            return {"tile " + std::to_string(roll(151))};
        if (kind < 65)
            return {"click " + std::to_string(roll(850)) + " " + std::to_string(roll(650))};
        if (kind < 75)
            return {std::string("key ") + "SQPNXsqpnz"[roll(10)]};
        if (kind < 80) {
            const char* names[] = {"Cmdstart", "Cmdquit", "Cmdpause", "Cmdnew"};
            return {std::string("press ") + names[roll(4)]};
        }
        const int spans[] = {3, 60, 600, 5000, 70000};
        return {"wait " + std::to_string(roll(spans[roll(5)]))};
    }

    std::string check() {
        const mj::Frmmahjongg& w = runner_.window();
        std::string faults;
        for (const std::string& f : mj::testing::stateFaults(w))
            faults += f + "; ";
        const bool removed = w.tilesleft < tilesleft_ && w.tilesleft >= 0 && w.Cmdpause.Visible;
        const bool started = w.tilesleft == 150 && tilesleft_ != 150;
        if (removed || (w.Cmdnew.Visible && tilesleft_ > 0)) {
            ++removals_;
            for (const std::string& f : mj::testing::boardFaults(w))
                faults += f + "; ";
        }
        if (removed || started || w.Cmdnew.Visible)
            tilesleft_ = w.tilesleft;
        return faults;
    }

    std::ostringstream sink_;
    mj::ScriptRunner runner_;
    std::mt19937 choice_;
    std::string script_;
    int tilesleft_ = 0;
    int removals_ = 0;
};

// The same sequences on every machine: seeds 1 to kSequences, 1500 events each.
constexpr unsigned kSequences = 24;

TEST(RandomEvents, KeepEveryStateConsistent) {
    int removals = 0;
    for (unsigned seed = 1; seed <= kSequences; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomEvents events(seed);
        const std::string fault = events.run(1500);
        ASSERT_EQ(fault, "") << "replay with mahjongg-script:\n" << events.script();
        removals += events.removals();
    }
    EXPECT_GT(removals, 10 * static_cast<int>(kSequences)) << "the sequences should remove pairs";
    std::cout << kSequences << " sequences, " << removals << " removals checked\n";
}

} // namespace
