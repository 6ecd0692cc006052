#include "support/dealt_game.h"

#include "script/dump.h"
#include "support/board_builder.h"
#include "support/board_rules.h"
#include "support/probes.h"
#include "window/click_rule.h"

namespace mj::testing {

using board::idx;

DealtGame::DealtGame() {
    w.Form_Load();
    clock.sync();
    clock.advance(1000);
    press(ButtonId::Cmdstart);
}

bool playToTheEnd(Frmmahjongg& w) {
    VirtualClock clock(w);
    for (const auto& [a, b] : makeClearable(w)) {
        for (const int slot : {a, b}) {
            const Image& tile = w.Imgtile1[idx(slot)];
            clickAt(w, tile.Left + 240, tile.Top + 300);
            clock.sync();
        }
        clock.advance(1200); // the pair shows, then goes
    }
    return w.tilesleft == 0 && w.Cmdnew.Visible;
}

void DealtGame::press(ButtonId id) {
    clickButton(w, id);
    clock.sync();
}

void DealtGame::click(int slot) {
    const Image& t = w.Imgtile1[idx(slot)];
    clickAt(w, t.Left + 240, t.Top + 300);
    clock.sync();
}

std::string DealtGame::dump() const {
    return mj::dump(w, clock.now());
}

int DealtGame::templateOf(int slot) const {
    return testing::templateOf(w, slot);
}
int DealtGame::cornerOf(int piece) const {
    return testing::cornerOf(w, piece);
}
bool DealtGame::clickable(int slot) const {
    return testing::clickable(w, slot);
}
std::vector<int> DealtGame::clickableTiles() const {
    return testing::clickableTiles(w);
}

int DealtGame::makePartner(int slot, bool same, const std::set<int>& besides) {
    return testing::makePartner(w, slot, same, besides);
}
std::pair<int, int> DealtGame::makeMatch() {
    return testing::makeMatch(w);
}
std::pair<int, int> DealtGame::makeMismatch() {
    return testing::makeMismatch(w);
}

int DealtGame::uncoverLowerTileWithCap() {
    auto present = [this](int s) { return s != board::kNone && w.Imgtile1[idx(s)].Visible; };
    for (const int upper : clickableTiles()) {
        const int lower = upper - board::kLayerSlots;
        if (lower < 0 || board::isInterior(lower))
            continue;
        const board::PointCells cells = board::pointCells(board::faceCornerPiece(lower));
        // The cap shows once the upper tile goes while exactly one of NE and SW stays.
        if (present(cells.se) || present(cells.ne) == present(cells.sw))
            continue;
        if (const int partner = makePartner(upper, true, {cells.ne, cells.sw}); partner >= 0) {
            click(upper);
            click(partner);
            wait(500);
            return lower;
        }
    }
    return -1;
}

std::set<std::string> changedLines(const std::string& before, const std::string& after) {
    const auto a = dumpLines(before), b = dumpLines(after);
    std::set<std::string> changed;
    for (const auto& [name, rest] : a)
        if (b.at(name) != rest && name != "field loopindex" && name != "field randomvalue")
            changed.insert(name);
    return changed;
}

std::string tileLine(int slot) {
    return "Imgtile1(" + std::to_string(slot) + ")";
}
std::string pieceLine(int piece) {
    return "Imgvvak(" + std::to_string(piece) + ")";
}

} // namespace mj::testing
