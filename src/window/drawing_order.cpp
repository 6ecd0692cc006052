#include "window/drawing_order.h"

#include <vector>

namespace mj {

namespace {

using board::idx;

class OrderBuilder {
  public:
    OrderBuilder& add(ControlKind kind, int index) {
        order_.push_back({kind, index});
        return *this;
    }
    OrderBuilder& add(ButtonId id) { return add(ControlKind::Button, static_cast<int>(id)); }
    OrderBuilder& add(TimerId id) { return add(ControlKind::Timer, static_cast<int>(id)); }
    OrderBuilder& add(LabelId id) { return add(ControlKind::Label, static_cast<int>(id)); }
    // Elements from..to of an array, the index falling.
    OrderBuilder& down(ControlKind kind, int from, int to) {
        for (int i = from; i >= to; --i)
            add(kind, i);
        return *this;
    }
    std::vector<ControlRef> take() { return std::move(order_); }

  private:
    std::vector<ControlRef> order_;
};

std::vector<ControlRef> buildOrder() {
    using K = ControlKind;
    using B = ButtonId;
    using T = TimerId;
    using L = LabelId;
    const int upper = board::kLayerSlots, last = board::kSlots - 1;
    const int upperPieces = board::kLayerPieces, lastPiece = board::kPieces - 1;
    OrderBuilder o;
    o.add(B::Cmdnew).add(T::Tmr5).add(B::Cmdpause).add(T::Tmr4).add(T::Tmr3).add(T::Tmr2);
    o.add(T::Tmr1).add(B::Cmdquit).add(B::Cmdstart);
    o.add(K::Line, 0);
    o.add(L::Lblbestt4).add(L::Lblbestt3).add(L::Lblbestt1).add(L::Lblbestt2);
    o.add(L::Lblbests2).add(L::Lblbests1);
    o.add(K::Pause, 0);
    o.add(L::Lbltiles2).add(L::Lbltiles1).add(L::Lbltime4).add(L::Lbltime3).add(L::Lbltime2);
    o.add(L::Lbltime1);
    o.add(K::CornerTemplate, 11).add(K::CornerTemplate, 8).add(K::CornerTemplate, 2);
    o.add(K::CornerTemplate, 0).add(K::Tile, board::kSpareSlot).add(K::CornerTemplate, 10);
    o.add(K::CornerTemplate, 9);
    o.down(K::FaceTemplate, board::kFaceTemplates - 1, board::kFaces);
    o.add(L::Lblbonus3).add(L::Lblbonus2).add(L::Lblscore2).add(L::Lblbonus1).add(L::Lblscore1);
    o.down(K::FaceTemplate, board::kFaces - 1, 0);
    o.add(L::Lblwritten).add(L::Lblcopy);
    o.down(K::BottomEdge, last, upper).down(K::RightEdge, last, upper);
    o.down(K::CornerPiece, lastPiece, upperPieces).down(K::Tile, last, upper);
    o.add(K::CornerTemplate, 7);
    o.down(K::BottomEdge, upper - 1, 0).down(K::RightEdge, upper - 1, 0);
    o.down(K::CornerPiece, upperPieces - 1, 0);
    o.add(K::CornerTemplate, 6).add(K::CornerTemplate, 5).add(K::CornerTemplate, 4);
    o.add(K::CornerTemplate, 3).add(K::CornerTemplate, 1);
    o.add(L::Lblgame).add(L::Lblots);
    o.down(K::Tile, upper - 1, 0);
    return o.take();
}

} // namespace

std::span<const ControlRef> drawingOrder() {
    static const std::vector<ControlRef> order = buildOrder();
    return order;
}

const Image* imageOf(const Frmmahjongg& w, ControlRef ref) {
    return ImageLookup(w)(ref);
}

} // namespace mj
