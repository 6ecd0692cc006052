#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Cmdpause_Click() {}

} // namespace mj
