#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Cmdquit_Click() {}

} // namespace mj
