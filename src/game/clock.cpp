#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Tmr2_Timer() {}

void Frmmahjongg::Tmr5_Timer() {}

} // namespace mj
