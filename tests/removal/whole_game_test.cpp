#include "platform/virtual_clock.h"
#include "support/board_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace {

using mj::board::idx;

// A player who picks free tiles: mostly matching pairs, with mismatches, deselections, clicks
// on covered and disabled tiles and pauses mixed in. After every pair removal the whole board
// must stand as the board rules give it for the tiles present.
class Player {
  public:
    Player(int waitBeforeStart, unsigned seed) : clock_(w_), choice_(seed) {
        w_.Form_Load();
        clock_.sync();
        clock_.advance(waitBeforeStart);
        press(mj::ButtonId::Cmdstart);
    }

    mj::Frmmahjongg& window() { return w_; }

    // Plays until the game is over or no free pair is left (then it quits); returns the
    // number of removed pairs.
    int play() {
        int removed = 0;
        while (w_.tilesleft > 0) {
            const std::vector<int> free = clickableTiles();
            const auto [a, b] = matchingPair(free);
            if (a < 0) {
                press(mj::ButtonId::Cmdquit);
                return removed;
            }
            distract(free);
            clickTile(a);
            clickTile(b);
            EXPECT_TRUE(w_.Tmr3.Enabled());
            if (roll(6) == 0) { // a third tile during the wait changes nothing
                const int other = free[idx(roll(static_cast<int>(free.size())))];
                clickTile(other);
            }
            if (roll(8) == 0) {
                press(mj::ButtonId::Cmdpause);
                clock_.advance(roll(3000));
                press(mj::ButtonId::Cmdpause);
            }
            const int before = w_.tilesleft;
            clock_.advance(500);
            if (w_.tilesleft != before - 2) {
                ADD_FAILURE() << "pair " << a << " " << b << " was not removed";
                return removed;
            }
            ++removed;
            checkBoard(a, b);
            if (::testing::Test::HasFailure())
                return removed;
            clock_.advance(roll(200));
        }
        return removed;
    }

    // Every flag, edge and corner piece as the rules give them for the tiles present, and a
    // tile clickable exactly when it is present, uncovered and free at a side.
    void checkBoard(int a, int b) {
        for (const std::string& fault : mj::testing::boardFaults(w_))
            ADD_FAILURE() << fault << " after removing " << a << " and " << b << " with "
                          << w_.tilesleft << " left";
    }

  private:
    int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choice_); }

    void press(mj::ButtonId id) {
        const mj::Button& b = w_.button(id);
        mj::clickAt(w_, b.Left + b.Width / 2, b.Top + b.Height / 2);
        clock_.sync();
    }
    void clickTile(int s) {
        const mj::Image& t = w_.Imgtile1[idx(s)];
        mj::clickAt(w_, t.Left + 240, t.Top + 300);
        clock_.sync();
    }
    std::vector<int> clickableTiles() { return mj::testing::clickableTiles(w_); }
    std::pair<int, int> matchingPair(const std::vector<int>& free) {
        std::vector<std::pair<int, int>> pairs;
        for (std::size_t i = 0; i < free.size(); ++i)
            for (std::size_t j = i + 1; j < free.size(); ++j)
                if (w_.Imgtile1[idx(free[i])].Picture == w_.Imgtile1[idx(free[j])].Picture)
                    pairs.emplace_back(free[i], free[j]);
        if (pairs.empty())
            return {-1, -1};
        auto pair = pairs[idx(roll(static_cast<int>(pairs.size())))];
        if (roll(2) == 0)
            std::swap(pair.first, pair.second);
        return pair;
    }
    // Moves that must leave the board as it was: a deselection, a mismatch and its undo, a
    // click on a covered tile.
    void distract(const std::vector<int>& free) {
        switch (roll(5)) {
        case 0: {
            const int t = free[idx(roll(static_cast<int>(free.size())))];
            clickTile(t);
            clickTile(t);
            break;
        }
        case 1:
            for (std::size_t i = 0; i + 1 < free.size(); ++i)
                if (w_.Imgtile1[idx(free[i])].Picture != w_.Imgtile1[idx(free[i + 1])].Picture) {
                    clickTile(free[i]);
                    clickTile(free[i + 1]);
                    EXPECT_TRUE(w_.Tmr4.Enabled());
                    clock_.advance(500);
                    EXPECT_EQ(w_.selectcount, 0);
                    break;
                }
            break;
        case 2:
            for (int s = 0; s < mj::board::kLayerSlots; ++s)
                if (w_.Imgtile1[idx(s + mj::board::kLayerSlots)].Visible) {
                    clickTile(s); // the upper tile over it takes the click, if it is free
                    if (w_.selectcount == 1)
                        clickTile(s);
                    break;
                }
            break;
        default:
            break;
        }
    }

    mj::MinimalStandard random_;
    mj::Frmmahjongg w_{random_};
    mj::VirtualClock clock_;
    std::mt19937 choice_;
};

TEST(WholeGames, KeepTheBoardAsTheRulesGiveAfterEveryRemoval) {
    int finished = 0, quit = 0;
    for (int game = 0; game < 24; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        Player player(1000 + 37 * game, static_cast<unsigned>(game));
        const int removed = player.play();
        ASSERT_FALSE(::testing::Test::HasFailure());
        mj::Frmmahjongg& w = player.window();
        if (w.tilesleft == 0) {
            ++finished;
            EXPECT_EQ(removed, 75);
            EXPECT_TRUE(w.Cmdnew.Visible);
            EXPECT_FALSE(w.Cmdquit.Visible || w.Cmdpause.Visible);
            for (const mj::Image& piece : w.Imgvvak)
                EXPECT_FALSE(piece.Visible);
            for (int s = 0; s < mj::board::kSlots; ++s)
                EXPECT_FALSE(w.Imgpr[idx(s)].Visible || w.Imgvar[idx(s)].Visible);
            EXPECT_TRUE(w.Lblbestt2.Visible);
            EXPECT_EQ(w.bestminutes, w.minutes);
        } else {
            ++quit;
            EXPECT_TRUE(w.Cmdstart.Visible);
        }
    }
    EXPECT_GT(finished, 0);
    std::cout << finished << " games played to their end, " << quit << " quit\n";
}

} // namespace
