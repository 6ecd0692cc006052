#include "platform/virtual_clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using mj::TimerId;

// A window whose ticks are recorded instead of handled; a test may act inside a tick.
struct ClockFixture : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    std::vector<std::pair<std::int64_t, TimerId>> ticks;
    std::function<void(TimerId)> onTick = [](TimerId) {};
    mj::VirtualClock clock{w, [this](TimerId id) {
                               ticks.emplace_back(clock.now(), id);
                               onTick(id);
                           }};

    std::vector<std::int64_t> ticksOf(TimerId id) const {
        std::vector<std::int64_t> times;
        for (const auto& [t, which] : ticks)
            if (which == id)
                times.push_back(t);
        return times;
    }
};

TEST_F(ClockFixture, OnlyTmr1RunsFromCreationEveryTwoMilliseconds) {
    clock.advance(10);
    EXPECT_EQ(ticksOf(TimerId::Tmr1), (std::vector<std::int64_t>{2, 4, 6, 8, 10}));
    EXPECT_EQ(ticks.size(), 5u);
    EXPECT_EQ(clock.now(), 10);
}

TEST_F(ClockFixture, ATimerSwitchedOnFirstTicksOneFullIntervalLater) {
    clock.advance(7);
    w.Tmr2.setEnabled(true);
    clock.sync();
    clock.advance(100);
    EXPECT_EQ(ticksOf(TimerId::Tmr2), (std::vector<std::int64_t>{57, 107}));
}

TEST_F(ClockFixture, SwitchingOnATimerThatIsOnKeepsItsSchedule) {
    w.Tmr2.setEnabled(true);
    clock.sync();
    clock.advance(30);
    w.Tmr2.setEnabled(true);
    clock.sync();
    clock.advance(70);
    EXPECT_EQ(ticksOf(TimerId::Tmr2), (std::vector<std::int64_t>{50, 100}));
}

TEST_F(ClockFixture, OffAndOnAgainStartsANewSchedule) {
    w.Tmr2.setEnabled(true);
    clock.sync();
    clock.advance(30);
    w.Tmr2.setEnabled(false);
    w.Tmr2.setEnabled(true); // within one event
    clock.sync();
    clock.advance(100);
    EXPECT_EQ(ticksOf(TimerId::Tmr2), (std::vector<std::int64_t>{80, 130}));
}

TEST_F(ClockFixture, ASwitchedOffTimerDeliversNothingMore) {
    w.Tmr5.setEnabled(true);
    clock.sync();
    clock.advance(998);
    w.Tmr5.setEnabled(false);
    clock.sync();
    clock.advance(5000);
    EXPECT_EQ(ticksOf(TimerId::Tmr5), (std::vector<std::int64_t>{998}));
}

TEST_F(ClockFixture, TicksDueTogetherComeInTimerOrder) {
    w.Tmr5.setEnabled(true);
    w.Tmr4.setEnabled(true);
    w.Tmr3.setEnabled(true);
    w.Tmr2.setEnabled(true);
    clock.sync();
    clock.advance(500);
    std::vector<TimerId> at500;
    for (const auto& [t, id] : ticks)
        if (t == 500)
            at500.push_back(id);
    EXPECT_EQ(at500,
              (std::vector<TimerId>{TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4}));
}

TEST_F(ClockFixture, ATickSwitchedOffByAnEarlierTickAtTheSameInstantIsNotDelivered) {
    w.Tmr3.setEnabled(true);
    w.Tmr4.setEnabled(true);
    clock.sync();
    onTick = [this](TimerId id) {
        if (id == TimerId::Tmr3)
            w.Tmr4.setEnabled(false);
    };
    clock.advance(1000);
    EXPECT_EQ(ticksOf(TimerId::Tmr3), (std::vector<std::int64_t>{500, 1000}));
    EXPECT_TRUE(ticksOf(TimerId::Tmr4).empty());
}

TEST_F(ClockFixture, ATimerSwitchedOnByATickFirstTicksAFullIntervalAfterIt) {
    w.Tmr3.setEnabled(true);
    clock.sync();
    onTick = [this](TimerId id) {
        if (id == TimerId::Tmr3) {
            w.Tmr3.setEnabled(false); // a one-shot
            w.Tmr2.setEnabled(true);
        }
    };
    clock.advance(600);
    EXPECT_EQ(ticksOf(TimerId::Tmr3), (std::vector<std::int64_t>{500}));
    EXPECT_EQ(ticksOf(TimerId::Tmr2), (std::vector<std::int64_t>{550, 600}));
}

TEST_F(ClockFixture, ZeroWaitDeliversNothingAndSmallWaitsAddUp) {
    clock.advance(0);
    EXPECT_TRUE(ticks.empty());
    clock.advance(1);
    clock.advance(1);
    EXPECT_EQ(ticksOf(TimerId::Tmr1), (std::vector<std::int64_t>{2}));
}

} // namespace
