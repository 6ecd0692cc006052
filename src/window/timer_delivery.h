// How a timer's ticks reach the window's handlers.
#pragma once

#include "window/frmmahjongg.h"

#include <cstdint>

namespace mj {

// Runs a timer's tick handler.
void deliverTick(Frmmahjongg& w, TimerId id);

// Delivers `count` Tmr1 ticks that fall due with no other event between them; a count of 0
// or less delivers none.
void deliverTmr1Ticks(Frmmahjongg& w, std::int64_t count);

} // namespace mj
