#include "window/click_gesture.h"

#include <utility>

namespace mj {

void ClickGesture::press(const Frmmahjongg& w, int x, int y) {
    pressed_ = inClientArea(x, y);
    pressedOn_ = controlAt(w, x, y);
}

bool ClickGesture::release(const Frmmahjongg& w, int x, int y) {
    const bool wasPressed = std::exchange(pressed_, false);
    return wasPressed && inClientArea(x, y) && controlAt(w, x, y) == pressedOn_;
}

} // namespace mj
