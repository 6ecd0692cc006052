#include "support/board_rules.h"

#include "game/number_display.h"

namespace mj::testing {

using board::idx;
using board::kNone;

board::Presence presence(const Frmmahjongg& w) {
    board::Presence present;
    for (int s = 0; s < board::kSlots; ++s)
        present.set(s, w.Imgtile1[idx(s)].Visible);
    return present;
}

bool clickable(const Frmmahjongg& w, int slot) {
    // Only a tile's own upper tile can lie over the centre of a lower tile.
    const Image& t = w.Imgtile1[idx(slot)];
    if (!t.Enabled)
        return false;
    const auto hit = controlAt(w, t.Left + 240, t.Top + 300);
    return hit && hit->kind == ControlKind::Tile && hit->index == slot;
}

std::vector<int> clickableTiles(const Frmmahjongg& w) {
    std::vector<int> tiles;
    for (int s = 0; s < board::kSlots; ++s)
        if (clickable(w, s))
            tiles.push_back(s);
    return tiles;
}

std::vector<std::string> boardFaults(const Frmmahjongg& w) {
    std::vector<std::string> faults;
    auto fault = [&](const std::string& what, int i) {
        faults.push_back(what + " " + std::to_string(i));
    };
    const board::Presence present = presence(w);
    for (int s = 0; s < board::kSlots; ++s) {
        const int left = board::leftNeighbour(s), right = board::rightNeighbour(s);
        const bool free = left == kNone || right == kNone || !present[left] || !present[right];
        if (present[s] && w.Imgtile1[idx(s)].Enabled != free)
            fault("side-free flag of tile", s);
        const bool covered = s < board::kLayerSlots && present[s + board::kLayerSlots];
        if (clickable(w, s) != (present[s] && !covered && free))
            fault("clickability of tile", s);
        if (w.Imgpr[idx(s)].Visible != board::rightEdgeShown(s, present))
            fault("Imgpr", s);
        if (w.Imgvar[idx(s)].Visible != board::bottomEdgeShown(s, present))
            fault("Imgvar", s);
    }
    for (int k = 0; k < board::kPieces; ++k) {
        const int look = board::cornerLook(k, present);
        const Image& piece = w.Imgvvak[idx(k)];
        if (piece.Visible != (look != board::kHidden))
            fault("visibility of Imgvvak", k);
        else if (piece.Visible && piece.Picture != w.Imgvarjo1[idx(look)].Picture)
            fault("template of Imgvvak", k);
    }
    return faults;
}

namespace {

// The band of the face a tile shows, or -1 for a picture that is no face template.
int bandOf(const Frmmahjongg& w, int slot) {
    for (int t = 0; t < board::kFaceTemplates; ++t)
        if (w.Imgtile1[idx(slot)].Picture == w.Imgtmalli[idx(t)].Picture)
            return t / board::kFaces;
    return -1;
}

} // namespace

std::vector<std::string> stateFaults(const Frmmahjongg& w) {
    std::vector<std::string> faults;
    auto expect = [&](bool holds, const char* what) {
        if (!holds)
            faults.emplace_back(what);
    };
    const bool t2 = w.Tmr2.Enabled(), t3 = w.Tmr3.Enabled(), t4 = w.Tmr4.Enabled(),
               t5 = w.Tmr5.Enabled();
    expect(w.Tmr1.Enabled(), "Tmr1 always runs");
    const int shown =
        w.Cmdstart.Visible + w.Cmdquit.Visible + w.Cmdpause.Visible + w.Cmdnew.Visible;
    const bool inGame = w.Cmdquit.Visible && w.Cmdpause.Visible && shown == 2;
    if (w.Cmdstart.Visible || w.Cmdnew.Visible) { // idle or game over
        expect(shown == 1, "one button in idle and game over");
        expect(!t2 && !t3 && !t4 && !t5, "only Tmr1 runs in idle and game over");
        expect(!w.Imgpause.Visible, "no pause picture off the game");
        for (int s = 0; s < board::kSlots; ++s)
            if (w.Imgtile1[idx(s)].Visible && clickable(w, s))
                faults.push_back("a tile can be clicked off the game: " + std::to_string(s));
        return faults;
    }
    expect(inGame, "Quit and Pause are the buttons of a game");
    if (w.paused == 1) {
        expect(!t2 && !t3 && !t4 && !t5, "only Tmr1 runs while paused");
        expect(w.Imgpause.Visible && w.Imgpause.Left == 120 && w.Imgpause.Top == 1800,
               "the pause picture lies over the board");
        expect(w.Cmdpause.Caption == "&Pause off", "Pause reads Pause off");
        expect(!(w.tmr2held == 1 && w.tmr3held == 1), "a match stops Tmr2");
        expect(!(w.tmr3held == 1 && w.tmr4held == 1), "one pair at a time");
    } else {
        expect(w.paused == 0, "paused is 0 or 1");
        expect(t5, "the clock runs while playing");
        expect(!w.Imgpause.Visible, "no pause picture while playing");
        expect(w.Cmdpause.Caption == "&Pause (-250 points / +15 sec)", "Pause reads Pause");
        expect(t2 != t3, "the countdown stops exactly while a match waits");
        expect(!(t3 && t4), "one pair at a time");
        expect(w.tmr2held == 0 && w.tmr3held == 0 && w.tmr4held == 0, "no held timer");
    }
    const bool matchWaits = t3 || w.tmr3held == 1, mismatchWaits = t4 || w.tmr4held == 1;
    expect((w.selectcount == 2) == (matchWaits || mismatchWaits), "a pair waits at 2");

    // The selection on the board: one grey tile at 1; the pair grey or yellow at 2.
    for (int s = 0; s < board::kSlots; ++s) {
        if (!w.Imgtile1[idx(s)].Visible)
            continue;
        const bool selected =
            (w.selectcount >= 1 && s == w.firstslot) || (w.selectcount == 2 && s == w.secondslot);
        const int band = bandOf(w, s);
        const int wanted = !selected ? 1 : (w.selectcount == 2 && matchWaits ? 2 : 0);
        if (band != wanted)
            faults.push_back("band of tile " + std::to_string(s));
        if (w.selectcount == 2 && selected && w.Imgtile1[idx(s)].Enabled)
            faults.push_back("a tile of the pair is enabled: " + std::to_string(s));
    }

    // The labels show their fields.
    expect(w.Lblscore2.Caption == numberDisplay(w.score), "Lblscore2 shows the score");
    expect(w.Lbltiles2.Caption == numberDisplay(w.tilesleft), "Lbltiles2 shows the tiles left");
    expect(w.Lbltime2.Caption == numberDisplay(w.minutes), "Lbltime2 shows the minutes");
    expect(w.Lbltime4.Caption == secondsDisplay(w.seconds), "Lbltime4 shows the seconds");
    expect(w.Lblbonus2.Caption == (matchWaits ? "" : numberDisplay(w.bonus)),
           "Lblbonus2 shows the bonus but while a match waits");
    expect(w.Lblbonus3.Caption == (matchWaits ? numberDisplay(w.pairpoints) : ""),
           "Lblbonus3 shows a waiting match's points");
    expect(w.bonus >= 0 && w.bonus <= 1000, "the bonus stays within 0 to 1000");
    expect(w.seconds >= 0 && w.seconds <= 59, "seconds stay within 0 to 59");
    for (const Label* l :
         {&w.Lblscore1, &w.Lblscore2, &w.Lblbonus1, &w.Lblbonus2, &w.Lblbonus3, &w.Lbltiles1,
          &w.Lbltiles2, &w.Lbltime1, &w.Lbltime2, &w.Lbltime3, &w.Lbltime4})
        expect(l->Visible, "the game labels show during a game");
    return faults;
}

} // namespace mj::testing
