#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Tmr4_Timer() {}

} // namespace mj
