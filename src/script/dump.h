// The text form of everything the window holds, as the script runner prints it.
#pragma once

#include "window/frmmahjongg.h"

#include <cstdint>
#include <string>

namespace mj {

// The name a dump gives a picture object: the template whose picture it is, "start" for the
// start tile picture, "-" for any other.
std::string pictureName(const Frmmahjongg& w, PictureRef picture);

// "--- dump at T ms", the fields, buttons, labels, pause picture, line, timers and board
// arrays, one per line, then "--- end".
std::string dump(const Frmmahjongg& w, std::int64_t nowMs);

} // namespace mj
