#include "window/frmmahjongg.h"

namespace mj {

// Each stage runs the blocks of its ten slots, then hands on to the next; the outcome depends
// only on which tiles are present once both tiles of the pair are hidden.
void Frmmahjongg::removalStage(int first, int last) {
    for (int slot = first; slot <= last; ++slot)
        if (firstslot == slot || secondslot == slot)
            removalBlock(slot);
}

void Frmmahjongg::tarkistus2() {
    removalStage(0, 9);
    tarkistus3();
}
void Frmmahjongg::tarkistus3() {
    removalStage(10, 19);
    tarkistus4();
}
void Frmmahjongg::tarkistus4() {
    removalStage(20, 29);
    tarkistus5();
}
void Frmmahjongg::tarkistus5() {
    removalStage(30, 39);
    tarkistus6();
}
void Frmmahjongg::tarkistus6() {
    removalStage(40, 49);
    tarkistus7();
}
void Frmmahjongg::tarkistus7() {
    removalStage(50, 59);
    tarkistus8();
}
void Frmmahjongg::tarkistus8() {
    removalStage(60, 69);
    tarkistus9();
}
void Frmmahjongg::tarkistus9() {
    removalStage(70, 79);
    tarkistus10();
}
void Frmmahjongg::tarkistus10() {
    removalStage(80, 89);
    tarkistus11();
}
void Frmmahjongg::tarkistus11() {
    removalStage(90, 99);
    tarkistus12();
}
void Frmmahjongg::tarkistus12() {
    removalStage(100, 109);
    tarkistus13();
}
void Frmmahjongg::tarkistus13() {
    removalStage(110, 119);
    tarkistus14();
}
void Frmmahjongg::tarkistus14() {
    removalStage(120, 129);
    tarkistus15();
}
void Frmmahjongg::tarkistus15() {
    removalStage(130, 139);
    tarkistus16();
}
void Frmmahjongg::tarkistus16() {
    removalStage(140, 149);
    tarkistus17();
}

} // namespace mj
