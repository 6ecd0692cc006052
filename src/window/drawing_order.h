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

// How many kinds there are: CornerPiece is the last.
inline constexpr std::size_t kControlKinds = static_cast<std::size_t>(ControlKind::CornerPiece) + 1;

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
    explicit ImageLookup(const Frmmahjongg& w) {
        for (std::size_t k = 0; k < kControlKinds; ++k)
            first_[k] = firstImage(w, static_cast<ControlKind>(k));
    }
    const Image* operator()(ControlRef ref) const {
        const Image* first = first_[static_cast<std::size_t>(ref.kind)];
        return first ? first + ref.index : nullptr;
    }

  private:
    // The first image of the array a kind names, or nullptr for a kind that is no image. No
    // default case, so that the compiler asks for the images of every new kind.
    static constexpr const Image* firstImage(const Frmmahjongg& w, ControlKind kind) {
        switch (kind) {
        case ControlKind::Button:
        case ControlKind::Timer:
        case ControlKind::Line:
        case ControlKind::Label:
            return nullptr;
        case ControlKind::Pause:
            return &w.Imgpause;
        case ControlKind::Tile:
            return w.Imgtile1.data();
        case ControlKind::FaceTemplate:
            return w.Imgtmalli.data();
        case ControlKind::CornerTemplate:
            return w.Imgvarjo1.data();
        case ControlKind::RightEdge:
            return w.Imgpr.data();
        case ControlKind::BottomEdge:
            return w.Imgvar.data();
        case ControlKind::CornerPiece:
            return w.Imgvvak.data();
        }
        return nullptr;
    }

    std::array<const Image*, kControlKinds> first_; // by ControlKind
};

} // namespace mj
