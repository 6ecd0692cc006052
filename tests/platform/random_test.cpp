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

// Skipping n values leaves the state n draws would: against the standard library's generator
// for counts it can step through, and for counts far beyond that, against the generator's
// period of 2^31 - 2 and against skips that add up to the same count.
TEST(RandomSource, SkipsAheadAsThatManyDrawsWould) {
    for (const std::uint64_t n : {0ull, 1ull, 2ull, 24ull, 25ull, 499ull, 65537ull, 3000001ull}) {
        mj::MinimalStandard source;
        source.draw(150);
        source.skip(n);
        source.skip(n); // the kept factor serves again
        std::minstd_rand reference(1);
        reference.discard(2 * n); // and one more below
        EXPECT_EQ(source.state(), static_cast<std::int64_t>(reference())) << n;
    }
    constexpr std::uint64_t kPeriod = 2147483646;
    for (const std::uint64_t n :
         {kPeriod, 5 * kPeriod, (std::uint64_t{1} << 61) / kPeriod * kPeriod})
        EXPECT_EQ(mj::MinimalStandard::power(n), 1) << n;
    for (const std::uint64_t n : {kPeriod - 1, kPeriod + 1, (std::uint64_t{1} << 61) + 12345}) {
        mj::MinimalStandard whole, split;
        whole.skip(n);
        split.skip(n / 3);
        split.skip(n - n / 3 - 1);
        split.draw(150);
        EXPECT_EQ(whole.state(), split.state()) << n;
    }
    mj::MinimalStandard source;
    source.skip(kPeriod - 1);
    EXPECT_EQ(source.draw(2147483646), 0); // one step short of the period: the state before 1
}

} // namespace
