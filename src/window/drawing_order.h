// The fixed stacking of the window's controls: earlier entries lie above later ones.
#pragma once

#include "window/frmmahjongg.h"

#include <array>
#include <span>

namespace mj {

enum class ControlKind {
    Button,
    Timer,
    Line,
    Label,
    Pause,
    Tile,           // Imgtile1
    FaceTemplate,   // Imgtmalli
    CornerTemplate, // Imgvarjo1
    RightEdge,      // Imgpr
    BottomEdge,     // Imgvar
    CornerPiece,    // Imgvvak
};

struct ControlRef {
    ControlKind kind;
    int index = 0; // ButtonId, TimerId or LabelId, or the element's index in its array
    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

// Every control of the window, the topmost first. Buttons lie above every image, label and
// line wherever they stand in the list; timers are never drawn.
std::span<const ControlRef> drawingOrder();

// The image a control reference names, or nullptr for a button, timer, label or line.
const Image* imageOf(const Frmmahjongg& w, ControlRef ref);

// imageOf for one window, for a walk through the whole drawing order: a table of where each
// kind's images start instead of a branch on every control's kind.
class ImageLookup {
  public:
    explicit ImageLookup(const Frmmahjongg& w)
        : first_{nullptr,
                 nullptr,
                 nullptr,
                 nullptr,
                 &w.Imgpause,
                 w.Imgtile1.data(),
                 w.Imgtmalli.data(),
                 w.Imgvarjo1.data(),
                 w.Imgpr.data(),
                 w.Imgvar.data(),
                 w.Imgvvak.data()} {}
    const Image* operator()(ControlRef ref) const {
        const Image* first = first_[static_cast<std::size_t>(ref.kind)];
        return first ? first + ref.index : nullptr;
    }

  private:
    static_assert(static_cast<int>(ControlKind::CornerPiece) == 10);
    std::array<const Image*, 11> first_; // by ControlKind
};

} // namespace mj
