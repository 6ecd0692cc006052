// Boards that tests build for themselves: a test picks its tiles by the board's rules and
// gives them the faces it needs, whatever the deal laid there. A tile takes a face by trading
// pictures with a tile that shows it, so the board still holds every face as often as a deal
// lays it. Only white faces take part: the tiles of a board between selections.
#pragma once

#include "window/frmmahjongg.h"

#include <set>
#include <utility>
#include <vector>

namespace mj::testing {

// Gives `slot` the face of `model` (same) or a face other than model's (!same), trading with
// a shown white tile outside `keep`. False when slot or model shows no white face, or when no
// tile can trade.
bool giveFace(Frmmahjongg& w, int slot, int model, bool same, const std::set<int>& keep = {});

// The first clickable tile other than `slot` and those in `besides`, given slot's face (same)
// or another one; -1 when there is none or it cannot be given the face.
int makePartner(Frmmahjongg& w, int slot, bool same = true, const std::set<int>& besides = {});

// The first clickable tile and a partner with its face, or with another face; {-1, -1} when
// there are no two such tiles.
std::pair<int, int> makeMatch(Frmmahjongg& w);
std::pair<int, int> makeMismatch(Frmmahjongg& w);

// Lays the faces of a fully dealt board out so that it can be cleared, and returns the order
// that clears it: pairs of tiles free in turn by the board's rules alone, each pair given the
// two tiles of one face. Empty when the tiles are not those of a fresh deal.
std::vector<std::pair<int, int>> makeClearable(Frmmahjongg& w);

} // namespace mj::testing
