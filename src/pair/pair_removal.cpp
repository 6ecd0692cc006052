#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Tmr3_Timer() {}

} // namespace mj
