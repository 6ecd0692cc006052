#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Cmdstart_Click() {}

} // namespace mj
