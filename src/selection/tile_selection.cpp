#include "window/frmmahjongg.h"

namespace mj {

void Frmmahjongg::Imgtile1_Click([[maybe_unused]] std::int16_t Index) {}

} // namespace mj
