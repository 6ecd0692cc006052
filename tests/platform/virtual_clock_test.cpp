#include "platform/virtual_clock.h"
#include "script/dump.h"
#include "support/board_rules.h"
#include "window/timer_delivery.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using mj::TimerId;

// A window whose ticks are recorded instead of handled, each tick of a batch at its own
// time; a test may act inside a delivery.
struct ClockFixture : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    std::vector<std::pair<std::int64_t, TimerId>> ticks;
    std::function<void(TimerId)> onTick = [](TimerId) {};

    // The virtual clock on `w`, its deliveries recorded in `ticks`.
    class RecordingClock {
      public:
        explicit RecordingClock(ClockFixture& f) : f_(f) {}
        std::int64_t now() const { return clock_.now(); }
        void sync() { clock_.sync(); }
        void advance(std::int64_t ms) {
            clock_.advance(ms, [this](TimerId id, std::int64_t count) {
                const std::int64_t interval = f_.w.timer(id).Interval();
                for (std::int64_t k = count - 1; k >= 0; --k)
                    f_.ticks.emplace_back(clock_.now() - k * interval, id);
                f_.onTick(id);
            });
        }

      private:
        ClockFixture& f_;
        mj::VirtualClock clock_{f_.w};
    } clock{*this};

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

// Every tick on its own, the earliest first, ties in timer order: the clock as it ran before
// Tmr1's ticks came in batches, kept as the reference the batches must agree with.
class TickByTickClock {
  public:
    explicit TickByTickClock(mj::Frmmahjongg& w) : w_(w) { sync(); }
    std::int64_t now() const { return now_; }
    void sync() {
        watch_.sync(w_, [this](TimerId id, mj::TimerWatch::Change change) {
            const auto i = static_cast<std::size_t>(id);
            on_[i] = change == mj::TimerWatch::Change::Started;
            if (on_[i])
                due_[i] = now_ + w_.timer(id).Interval();
        });
    }
    void advance(std::int64_t ms) {
        const std::int64_t target = now_ + ms;
        for (;;) {
            std::size_t next = mj::kTimers;
            for (std::size_t i = 0; i < mj::kTimers; ++i)
                if (on_[i] && due_[i] <= target && (next == mj::kTimers || due_[i] < due_[next]))
                    next = i;
            if (next == mj::kTimers)
                break;
            now_ = due_[next];
            const auto id = static_cast<TimerId>(next);
            due_[next] += w_.timer(id).Interval();
            mj::deliverTick(w_, id);
            sync();
        }
        now_ = target;
    }

  private:
    mj::Frmmahjongg& w_;
    mj::TimerWatch watch_;
    std::int64_t now_ = 0;
    std::array<std::int64_t, mj::kTimers> due_{};
    std::array<bool, mj::kTimers> on_{};
};

// One window on the batching clock and one on the reference, given the same random events:
// clicks anywhere, matching pairs, mnemonic keys and waits of every length. Both must hold
// the same after every event, the random source's state included.
class SideBySide {
    // Two clickable tiles with one face, or {-1, -1}: the random play takes the pairs the
    // board happens to offer.
    static std::pair<int, int> matchingPair(const mj::Frmmahjongg& w) {
        const std::vector<int> free = mj::testing::clickableTiles(w);
        for (std::size_t i = 0; i < free.size(); ++i)
            for (std::size_t j = i + 1; j < free.size(); ++j)
                if (w.Imgtile1[mj::board::idx(free[i])].Picture ==
                    w.Imgtile1[mj::board::idx(free[j])].Picture)
                    return {free[i], free[j]};
        return {-1, -1};
    }

  public:
    explicit SideBySide(unsigned seed) : choice_(seed) {
        for (Side* side : {&batched_, &reference_})
            side->w.Form_Load();
        batchedClock_.sync();
        referenceClock_.sync();
    }

    // The first event after which the two differ, or an empty string.
    std::string run(int events) {
        for (int i = 0; i < events; ++i) {
            const std::string event = next();
            script_ += event + "\n";
            if (batched_.random.state() != reference_.random.state() ||
                mj::dump(batched_.w, batchedClock_.now()) !=
                    mj::dump(reference_.w, referenceClock_.now()))
                return "they differ after:\n" + script_;
        }
        return {};
    }

  private:
    struct Side {
        mj::MinimalStandard random;
        mj::Frmmahjongg w{random};
    };

    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choice_); }

    template <class Event> void onBoth(Event&& event) {
        event(batched_.w);
        event(reference_.w);
        batchedClock_.sync();
        referenceClock_.sync();
    }

    void clickTile(int slot) {
        const mj::Image& t = batched_.w.Imgtile1[mj::board::idx(slot)];
        onBoth([&](mj::Frmmahjongg& w) { mj::clickAt(w, t.Left + 240, t.Top + 300); });
    }

    std::string next() {
        const int kind = roll(100);
        if (kind < 25) {
            const auto [a, b] = matchingPair(batched_.w);
            if (a >= 0) {
                clickTile(a);
                clickTile(b);
                return "tile " + std::to_string(a) + "; tile " + std::to_string(b);
            }
        }
        if (kind < 45) {
            const int x = roll(784), y = roll(593);
            onBoth([&](mj::Frmmahjongg& w) {
                mj::clickAt(w, x * mj::kTwipsPerPixel, y * mj::kTwipsPerPixel);
            });
            return "click " + std::to_string(x) + " " + std::to_string(y);
        }
        if (kind < 60) {
            const char letter = "SQPN"[roll(4)];
            onBoth([&](mj::Frmmahjongg& w) { mj::pressMnemonic(w, letter); });
            return std::string("key ") + letter;
        }
        const int spans[] = {4, 60, 600, 5000, 70000};
        const int ms = roll(spans[roll(5)]);
        batchedClock_.advance(ms);
        referenceClock_.advance(ms);
        return "wait " + std::to_string(ms);
    }

    std::mt19937 choice_;
    Side batched_, reference_;
    mj::VirtualClock batchedClock_{batched_.w};
    TickByTickClock referenceClock_{reference_.w};
    std::string script_;
};

TEST(BatchedClock, AgreesWithTickByTickDeliveryOverRandomEvents) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SideBySide sides(seed);
        ASSERT_EQ(sides.run(1500), "") << "seed " << seed;
    }
}

// Times up to 2^62 ms: the due times, the count of a batch and the random source's jump stay
// exact, so a clock that ran that long sees the same ticks as one that just started.
TEST(BatchedClock, StaysExactNearTwoToTheSixtyTwoMilliseconds) {
    constexpr std::int64_t kFar = mj::VirtualClock::kLatestMs;
    mj::MinimalStandard random;
    mj::Frmmahjongg w(random);
    std::vector<std::pair<TimerId, std::int64_t>> deliveries;
    std::vector<std::int64_t> at;
    mj::VirtualClock clock(w);
    const auto record = [&](TimerId id, std::int64_t count) {
        deliveries.emplace_back(id, count);
        at.push_back(clock.now());
        if (id == TimerId::Tmr1)
            mj::deliverTmr1Ticks(w, count);
    };
    clock.advance(kFar - 1001, record);
    ASSERT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(deliveries[0].second, kFar / 2 - 501);
    EXPECT_EQ(at[0], kFar - 1002);

    w.Tmr3.setEnabled(true);
    clock.sync();
    clock.advance(1001, record);
    EXPECT_EQ(clock.now(), kFar);
    const std::vector<std::pair<TimerId, std::int64_t>> rest = {{TimerId::Tmr1, 250},
                                                                {TimerId::Tmr3, 1},
                                                                {TimerId::Tmr1, 250},
                                                                {TimerId::Tmr3, 1},
                                                                {TimerId::Tmr1, 1}};
    EXPECT_EQ(std::vector(deliveries.begin() + 1, deliveries.end()), rest);
    EXPECT_EQ(std::vector(at.begin() + 1, at.end()),
              (std::vector<std::int64_t>{kFar - 502, kFar - 501, kFar - 2, kFar - 1, kFar}));

    // 2^61 Tmr1 ticks in all, the last of them a draw of 150.
    mj::MinimalStandard expected;
    expected.skip((std::uint64_t{1} << 61) - 1);
    EXPECT_EQ(w.randomvalue, expected.draw(150));
    EXPECT_EQ(random.state(), expected.state());
}

} // namespace
