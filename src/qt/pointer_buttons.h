// Whether a mouse button is held down anywhere on the desktop. While the player drags the
// window by its title bar, the window manager holds the pointer and the window itself sees no
// mouse event at all, so the X server is asked. Elsewhere the window cannot tell, and the
// answer is no.
#pragma once

namespace mj::qt {

bool aMouseButtonIsHeld();

} // namespace mj::qt
