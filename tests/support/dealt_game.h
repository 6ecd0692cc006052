// A game dealt 1000 ms after start-up, played through the click rule on a virtual clock: the
// board that the scenario scripts see after `wait 1000` and `press Cmdstart`.
#pragma once

#include "platform/virtual_clock.h"
#include "window/frmmahjongg.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace mj::testing {

class DealtGame {
  public:
    DealtGame();

    void press(ButtonId id);
    // A click on the centre of slot s's tile; the click rule decides who takes it.
    void click(int slot);
    void wait(std::int64_t ms) { clock.advance(ms); }
    std::string dump() const;

    PictureRef face(int t) const { return w.Imgtmalli[board::idx(t)].Picture; }
    PictureRef corner(int t) const { return w.Imgvarjo1[board::idx(t)].Picture; }
    int templateOf(int slot) const;
    int cornerOf(int piece) const;
    bool clickable(int slot) const;
    std::vector<int> clickableTiles() const;

    // The board builders of board_builder.h, on this game's board.
    int makePartner(int slot, bool same = true, const std::set<int>& besides = {});
    std::pair<int, int> makeMatch();
    std::pair<int, int> makeMismatch();

    // Takes off a pair, made to match, that uncovers a lower tile whose face corner piece then
    // shows a white cap, and returns that lower tile (-1 if no such pair can be made).
    int uncoverLowerTileWithCap();

    MinimalStandard random;
    Frmmahjongg w{random};
    VirtualClock clock{w};
};

// Plays the game just dealt in window `w` to its end, pair by pair through the click rule, on
// the window's own handlers with a virtual clock for the pairs' timers; whether it ended.
bool playToTheEnd(Frmmahjongg& w);

// The names of the dump lines that differ, leaving out the loop counter, whose value a
// finished loop leaves is nobody's concern, and the random scratch that Tmr1 draws into.
std::set<std::string> changedLines(const std::string& before, const std::string& after);

// The dump's name of a tile and of a corner piece.
std::string tileLine(int slot);
std::string pieceLine(int piece);

} // namespace mj::testing
