#include "window/view_state.h"

#include "window/drawing_order.h"

namespace mj {

ViewState ViewState::of(const Frmmahjongg& w) {
    ViewState v;
    v.assign(w);
    return v;
}

void ViewState::assign(const Frmmahjongg& w) {
    images.clear();
    for (const ControlRef ref : drawingOrder())
        if (const Image* image = imageOf(w, ref); image && image->Visible)
            images.push_back({image->Picture, image->Left, image->Top});
    labels.resize(kLabels);
    for (int l = 0; l < kLabels; ++l) {
        const Label& label = w.label(static_cast<LabelId>(l));
        labels[static_cast<std::size_t>(l)].caption = label.Caption;
        labels[static_cast<std::size_t>(l)].visible = label.Visible;
    }
    buttons.resize(kButtons);
    for (int b = 0; b < kButtons; ++b) {
        const Button& button = w.button(static_cast<ButtonId>(b));
        buttons[static_cast<std::size_t>(b)].caption = button.Caption;
        buttons[static_cast<std::size_t>(b)].visible = button.Visible;
    }
    line = w.Line1.Visible;
}

} // namespace mj
