// The random source of the game: values uniform in [0, 1), never seeded, so every run of the
// program sees the same sequence.
#pragma once

#include <cstdint>

namespace mj {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A draw with bound n: the integer part of the next value times n, 0 to n - 1.
    virtual int draw(int bound) = 0;
    // Moves the source on by `steps` values that nobody reads, as that many draws would.
    virtual void skip(std::uint64_t steps) {
        for (; steps > 0; --steps)
            draw(1);
    }
};

// The minimal standard generator: x := x * 48271 mod (2^31 - 1) from x = 1; the value is
// (x - 1) / (2^31 - 2).
class MinimalStandard final : public RandomSource {
  public:
    static constexpr std::int64_t kModulus = 2147483647;
    static constexpr std::int64_t kMultiplier = 48271;

    // The draw is computed exactly in integers: floor((x - 1) * n / (2^31 - 2)). For every
    // bound the game uses this equals the integer part of the double value times n.
    int draw(int bound) override {
        state_ = times(state_, kMultiplier);
        return static_cast<int>((state_ - 1) * bound / (kModulus - 1));
    }
    // n steps are one multiplication by 48271^n mod (2^31 - 1), in O(log n); the factor of
    // the last n is kept, since a steady clock skips the same n again and again.
    void skip(std::uint64_t steps) override {
        if (steps != skipSteps_) {
            skipSteps_ = steps;
            skipFactor_ = power(steps);
        }
        state_ = times(state_, skipFactor_);
    }
    std::int64_t state() const { return state_; }

    // 48271^n mod (2^31 - 1), by squaring.
    static constexpr std::int64_t power(std::uint64_t n) {
        std::int64_t result = 1, square = kMultiplier;
        for (; n > 0; n >>= 1) {
            if (n & 1)
                result = times(result, square);
            square = times(square, square);
        }
        return result;
    }

  private:
    // a * b mod (2^31 - 1) for a, b below the modulus: 2^31 is 1 modulo 2^31 - 1, so the
    // high bits of the product fold onto the low ones without a division.
    static constexpr std::int64_t times(std::int64_t a, std::int64_t b) {
        constexpr std::uint64_t m = kModulus;
        const std::uint64_t product = static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b);
        std::uint64_t r = (product & m) + (product >> 31);
        r = (r & m) + (r >> 31);
        return static_cast<std::int64_t>(r >= m ? r - m : r);
    }

    std::int64_t state_ = 1;
    std::uint64_t skipSteps_ = 0;
    std::int64_t skipFactor_ = 1;
};

} // namespace mj
