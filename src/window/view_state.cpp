#include "window/view_state.h"

#include "window/drawing_order.h"

namespace mj {

ViewState ViewState::of(const Frmmahjongg& w) {
    ViewState v;
    v.images.reserve(512);
    for (const ControlRef ref : drawingOrder())
        if (const Image* image = imageOf(w, ref); image && image->Visible)
            v.images.push_back({image->Picture, image->Left, image->Top});
    for (int l = 0; l < kLabels; ++l) {
        const Label& label = w.label(static_cast<LabelId>(l));
        v.labels.push_back({label.Caption, label.Visible});
    }
    for (int b = 0; b < kButtons; ++b) {
        const Button& button = w.button(static_cast<ButtonId>(b));
        v.buttons.push_back({button.Caption, button.Visible});
    }
    v.line = w.Line1.Visible;
    return v;
}

} // namespace mj
