#include "removal/removal_rule.h"
#include "board/corner_table.h"
#include "window/frmmahjongg.h"

namespace mj {

using board::idx;
using board::kNone;

namespace {

board::Presence presenceOf(const Frmmahjongg& w) {
    board::Presence present;
    for (int s = 0; s < board::kSlots; ++s)
        present.set(s, w.Imgtile1[idx(s)].Visible);
    return present;
}

} // namespace

// The removal rule. A removed tile frees its interior neighbours; its own edges go, its left
// and upper neighbours show theirs; the pieces at its corners take what the corner table
// gives. An upper tile's removal also frees the interior tile beneath it once one of that
// tile's sides is open.
void Frmmahjongg::removalBlock(int slot) {
    const removal::BlockData d = removal::blockData(slot);
    const board::Presence present = presenceOf(*this);

    for (const int n : d.interiorNeighbours)
        if (n != kNone)
            Imgtile1[idx(n)].Enabled = true;

    if (!present[d.right])
        Imgpr[idx(slot)].Visible = false;
    if (!present[d.down])
        Imgvar[idx(slot)].Visible = false;
    if (present[d.left])
        Imgpr[idx(d.left)].Visible = true;
    if (present[d.up])
        Imgvar[idx(d.up)].Visible = true;

    for (const int piece : d.corners)
        if (piece != kNone)
            setCornerPiece(piece, slot, present);

    if (const int b = d.interiorBeneath; b != kNone)
        if (!present[board::leftNeighbour(b)] || !present[board::rightNeighbour(b)])
            Imgtile1[idx(b)].Enabled = true;
}

void Frmmahjongg::setCornerPiece(int piece, int removedSlot, const board::Presence& present) {
    const board::PointCells cells = board::pointCells(piece);
    // The tile beneath a removed upper tile is present: a covered tile cannot be picked.
    const int background = board::backgroundTile(piece);
    const bool backgroundPresent =
        background != kNone &&
        (background == removedSlot - board::kLayerSlots || present[background]);
    const int t = board::cornerTable(present[cells.nw], present[cells.ne], present[cells.sw],
                                     present[cells.se], backgroundPresent);
    Image& image = Imgvvak[idx(piece)];
    if (t == board::kHidden) {
        image.Visible = false;
        return;
    }
    image.Picture = Imgvarjo1[idx(t)].Picture;
    image.Visible = true;
}

} // namespace mj
