#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Cmdnew_Click() {}

} // namespace mj
