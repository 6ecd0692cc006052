#include "window/frmmahjongg.h"

namespace mj {

using board::idx;

// The search runs on `loopindex` through every template of the from-band, even past the one
// found, so the counter always ends one past that band's last template.
bool Frmmahjongg::moveToBand(int slot, board::Band from, board::Band to) {
    Image& tile = Imgtile1[idx(slot)];
    const int first = board::faceTemplate(0, from);
    const int shift = board::faceTemplate(0, to) - first;
    bool moved = false;
    for (loopindex = first; loopindex <= board::faceTemplate(board::kFaces - 1, from); ++loopindex)
        if (tile.Picture == Imgtmalli[idx(loopindex)].Picture) {
            tile.Picture = Imgtmalli[idx(loopindex + shift)].Picture;
            moved = true;
        }
    return moved;
}

} // namespace mj
