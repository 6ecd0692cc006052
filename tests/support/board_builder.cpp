#include "support/board_builder.h"

#include "support/board_rules.h"
#include "support/probes.h"

#include <algorithm>

namespace mj::testing {

using board::idx;

namespace {

// The face of a shown tile in the white band, or -1.
int whiteFace(const Frmmahjongg& w, int slot) {
    if (!w.Imgtile1[idx(slot)].Visible)
        return -1;
    const int face = templateOf(w, slot) - board::faceTemplate(0, board::Band::White);
    return face >= 0 && face < board::kFaces ? face : -1;
}

} // namespace

bool giveFace(Frmmahjongg& w, int slot, int model, bool same, const std::set<int>& keep) {
    const int face = whiteFace(w, model), own = whiteFace(w, slot);
    if (face < 0 || own < 0)
        return false;
    if ((own == face) == same)
        return true;
    for (int t = 0; t < board::kSlots; ++t) {
        const int other = whiteFace(w, t);
        if (t == slot || t == model || keep.count(t) || other < 0 || (other == face) != same)
            continue;
        std::swap(w.Imgtile1[idx(slot)].Picture, w.Imgtile1[idx(t)].Picture);
        return true;
    }
    return false;
}

int makePartner(Frmmahjongg& w, int slot, bool same, const std::set<int>& besides) {
    for (const int t : clickableTiles(w)) {
        if (t == slot || besides.count(t))
            continue;
        std::set<int> keep = besides;
        keep.insert(slot);
        if (giveFace(w, t, slot, same, keep))
            return t;
    }
    return -1;
}

namespace {

std::pair<int, int> makePair(Frmmahjongg& w, bool same) {
    const std::vector<int> free = clickableTiles(w);
    if (free.empty())
        return {-1, -1};
    const int b = makePartner(w, free.front(), same);
    return b < 0 ? std::pair{-1, -1} : std::pair{free.front(), b};
}

} // namespace

std::pair<int, int> makeMatch(Frmmahjongg& w) {
    return makePair(w, true);
}
std::pair<int, int> makeMismatch(Frmmahjongg& w) {
    return makePair(w, false);
}

std::vector<std::pair<int, int>> makeClearable(Frmmahjongg& w) {
    // The order: again and again the two highest free slots. The upper layer goes first, so
    // that no lower tile is left under the last upper one.
    board::Presence present = board::Presence::full();
    auto isFree = [&](int s) {
        const bool covered = s < board::kLayerSlots && present[s + board::kLayerSlots];
        return present[s] && !covered &&
               (!present[board::leftNeighbour(s)] || !present[board::rightNeighbour(s)]);
    };
    std::vector<std::pair<int, int>> order;
    for (int pair = 0; pair < board::kSlots / 2; ++pair) {
        std::vector<int> free;
        for (int s = board::kSlots - 1; s >= 0 && free.size() < 2; --s)
            if (isFree(s))
                free.push_back(s);
        if (free.size() < 2)
            return {};
        present.set(free[0], false);
        present.set(free[1], false);
        order.emplace_back(free[0], free[1]);
    }

    // The faces, sorted, come in pairs: a deal lays every face on an even number of tiles.
    std::vector<int> faces;
    for (int s = 0; s < board::kSlots; ++s)
        faces.push_back(whiteFace(w, s));
    std::sort(faces.begin(), faces.end());
    for (std::size_t p = 0; p < order.size(); ++p) {
        const int face = faces[2 * p];
        if (face < 0 || faces[2 * p + 1] != face)
            return {};
        const PictureRef white =
            w.Imgtmalli[idx(board::faceTemplate(face, board::Band::White))].Picture;
        w.Imgtile1[idx(order[p].first)].Picture = white;
        w.Imgtile1[idx(order[p].second)].Picture = white;
    }
    return order;
}

} // namespace mj::testing
