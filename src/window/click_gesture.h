// Which presses and releases of the left mouse button make a click. A click is a press and
// the release that follows it over the same control, as the click rule finds the control at
// each of the two moments (or over the bare background both times); a press on the
// background released over a tile is no click at all. A double click is two clicks: its
// second press counts like the first.
#pragma once

#include "window/click_rule.h"

#include <optional>

namespace mj {

class ClickGesture {
  public:
    // A press at a point of the client area, in twips.
    void press(const Frmmahjongg& w, int x, int y);
    // Whether the release at this point completes a click; a release always ends the press.
    bool release(const Frmmahjongg& w, int x, int y);

  private:
    bool pressed_ = false;
    std::optional<ControlRef> pressedOn_; // none: the background
};

} // namespace mj
