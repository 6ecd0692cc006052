// How the window hands a mouse click or a mnemonic key to its handlers.
#pragma once

#include "window/drawing_order.h"

#include <optional>

namespace mj {

// Whether a point, in twips, lies in the client area.
constexpr bool inClientArea(int x, int y) {
    return x >= 0 && y >= 0 && x < Frmmahjongg::ClientWidth && y < Frmmahjongg::ClientHeight;
}

// The topmost shown control whose rectangle holds the point (in twips), or none when the
// point lies outside the client area or on no control.
std::optional<ControlRef> controlAt(const Frmmahjongg& w, int x, int y);

// What an event ran: a button's click handler, Imgtile1_Click for a tile, or nothing.
struct EventResult {
    enum class Kind { Nothing, Button, Tile };
    Kind kind = Kind::Nothing;
    int index = 0; // the ButtonId or the tile's index
    friend constexpr bool operator==(EventResult, EventResult) = default;
};

// A left click at a point of the client area: the control on top takes it, and only an
// enabled button or tile acts on it. No click is passed to a control beneath.
EventResult clickAt(Frmmahjongg& w, int x, int y);

// Runs a button's click handler, if the button is shown and enabled; else does nothing.
EventResult clickButton(Frmmahjongg& w, ButtonId id);

// Alt+letter: clicks the shown button whose caption has that mnemonic, if there is one.
EventResult pressMnemonic(Frmmahjongg& w, char letter);

} // namespace mj
