#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// The draws follow the minimal standard generator with multiplier 48271 from state 1; the
// standard library's minstd_rand is the same generator, so it serves as an independent check,
// and the integer form of the draw agrees with the double form for every bound the game uses.
TEST(RandomSource, FollowsTheMinimalStandardGeneratorForEveryBound) {
    for (const int bound : {41, 149, 150, 20000}) {
        mj::MinimalStandard source;
        std::minstd_rand reference(1);
        for (int i = 0; i < 200000; ++i) {
            const double value = static_cast<double>(reference() - 1) / 2147483646.0;
            const int expected = static_cast<int>(std::floor(value * bound));
            ASSERT_EQ(source.draw(bound), expected) << "bound " << bound << " draw " << i;
        }
    }
}

TEST(RandomSource, StartsFromStateOneAtEveryCreation) {
    mj::MinimalStandard a, b;
    EXPECT_EQ(a.draw(2147483646), 48270); // the first state is 48271
    for (int i = 0; i < 10; ++i)
        a.draw(150);
    EXPECT_EQ(b.draw(2147483646), 48270);
    EXPECT_EQ(mj::MinimalStandard().state(), 1);
}

TEST(RandomSource, DrawsStayBelowTheirBound) {
    mj::MinimalStandard source;
    for (int i = 0; i < 100000; ++i) {
        const int d = source.draw(41);
        ASSERT_GE(d, 0);
        ASSERT_LT(d, 41);
    }
}

} // namespace
