// Checks that tests share: the board as its rules give it for the tiles present, and the
// game and selection states as the buttons, timers, labels and tiles show them.
#pragma once

#include "board/corner_table.h"
#include "window/click_rule.h"

#include <string>
#include <utility>
#include <vector>

namespace mj::testing {

// The tiles on the board.
board::Presence presence(const Frmmahjongg& w);

// Whether a click on the centre of slot s's tile reaches Imgtile1_Click.
bool clickable(const Frmmahjongg& w, int slot);

// The clickable tiles, in ascending slot order.
std::vector<int> clickableTiles(const Frmmahjongg& w);

// What differs between the board and its rules: every side-free flag of a present tile, every
// edge piece and every corner piece (visibility, and the template of a shown one), and a
// tile being clickable exactly when it is present, uncovered and free at a side. Empty when
// the board is right. Valid between pair checks, when no tile is selected.
std::vector<std::string> boardFaults(const Frmmahjongg& w);

// What differs between the window and the game state its buttons name (idle, playing,
// paused, game over): the timers that run, the selection on the board and the labels that
// show the record's fields. Empty when everything agrees.
std::vector<std::string> stateFaults(const Frmmahjongg& w);

} // namespace mj::testing
