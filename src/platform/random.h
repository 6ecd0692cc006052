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
        state_ = state_ * kMultiplier % kModulus;
        return static_cast<int>((state_ - 1) * bound / (kModulus - 1));
    }
    std::int64_t state() const { return state_; }

  private:
    std::int64_t state_ = 1;
};

} // namespace mj
