// The fixed stacking of the window's controls: earlier entries lie above later ones.
#pragma once

#include "window/frmmahjongg.h"

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

} // namespace mj
