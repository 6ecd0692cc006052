#include "script/dump.h"
#include "window/timer_delivery.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

// A loaded window whose random source has already moved on, so that a delivery which put it
// back where it started would show too.
struct Window {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    Window() {
        w.Form_Load();
        for (int i = 0; i < 7; ++i)
            mj::deliverTick(w, mj::TimerId::Tmr1);
    }
};

TEST(TimerDelivery, ABatchOfNoTicksDrawsNothing) {
    Window window;
    const std::int64_t state = window.rng.state();
    const mj::Tagged value = window.w.randomvalue;
    const std::string before = mj::dump(window.w, 0);
    for (const std::int64_t count :
         {std::int64_t{0}, std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
        mj::deliverTmr1Ticks(window.w, count);
        EXPECT_EQ(window.rng.state(), state) << count;
        EXPECT_EQ(window.w.randomvalue, value) << count;
        EXPECT_EQ(mj::dump(window.w, 0), before) << count;
    }
}

// A batch of n ticks leaves the window as n ticks one at a time do: the random source n
// values on, the last of them drawn.
TEST(TimerDelivery, ABatchOfNTicksIsNTicksOneAtATime) {
    for (const std::int64_t n : {1, 2, 3, 1000, 1000003}) {
        Window batched, oneByOne;
        mj::deliverTmr1Ticks(batched.w, n);
        for (std::int64_t i = 0; i < n; ++i)
            mj::deliverTick(oneByOne.w, mj::TimerId::Tmr1);
        EXPECT_EQ(batched.rng.state(), oneByOne.rng.state()) << n;
        EXPECT_EQ(batched.w.randomvalue, oneByOne.w.randomvalue) << n;
        EXPECT_EQ(mj::dump(batched.w, 0), mj::dump(oneByOne.w, 0)) << n;
    }
}

} // namespace
