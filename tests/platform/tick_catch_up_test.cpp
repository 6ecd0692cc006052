#include "platform/tick_catch_up.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Each step takes the ticks due at a time; every tick is counted once, from the moment the
// timer was last switched on, and none while it is off.
TEST(TickCatchUp, CountsEveryTickOnceFromTheLastSwitchOn) {
    mj::TickCatchUp ticks;
    EXPECT_EQ(ticks.take(5000), 0) << "off from the start";
    ticks.start(1000, 2);
    const std::vector<std::pair<std::int64_t, std::int64_t>> steps = {
        {1000, 0}, {1001, 0}, {1002, 1}, {1002, 0}, {1003, 0}, {1011, 4}, {3011, 1000}};
    for (const auto& [now, due] : steps)
        EXPECT_EQ(ticks.take(now), due) << "at " << now;
    ticks.stop();
    EXPECT_EQ(ticks.take(3020), 0) << "off";
    ticks.start(3021, 2); // a new schedule: the first tick at 3023
    EXPECT_EQ(ticks.take(3022), 0);
    EXPECT_EQ(ticks.take(3023), 1);
    EXPECT_EQ(ticks.take(3030), 3);
    ticks.start(3031, 50); // switched on again without a stop
    EXPECT_EQ(ticks.take(3080), 0);
    EXPECT_EQ(ticks.take(3081), 1);
}

} // namespace
