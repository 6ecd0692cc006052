#include "window/click_gesture.h"

#include <utility>

namespace mj {

namespace {

bool inClientArea(int x, int y) {
    return x >= 0 && y >= 0 && x < Frmmahjongg::ClientWidth && y < Frmmahjongg::ClientHeight;
}

} // namespace

void ClickGesture::press(const Frmmahjongg& w, int x, int y) {
    pressed_ = inClientArea(x, y);
    pressedOn_ = controlAt(w, x, y);
}

bool ClickGesture::release(const Frmmahjongg& w, int x, int y) {
    const bool wasPressed = std::exchange(pressed_, false);
    return wasPressed && inClientArea(x, y) && controlAt(w, x, y) == pressedOn_;
}

} // namespace mj
