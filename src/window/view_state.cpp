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
        if (const Image* image = imageOf(w, ref))
            images.push_back(image->Visible ? Look{image->Picture, *image} : Look{});
    labels.resize(kLabels);
    for (int l = 0; l < kLabels; ++l) {
        // A hidden label shows no caption.
        const Label& label = w.label(static_cast<LabelId>(l));
        Text& text = labels[static_cast<std::size_t>(l)];
        text.visible = label.Visible;
        if (label.Visible)
            text.caption = label.Caption;
        else
            text.caption.clear();
    }
    buttons.resize(kButtons);
    for (int b = 0; b < kButtons; ++b) {
        const Button& button = w.button(static_cast<ButtonId>(b));
        buttons[static_cast<std::size_t>(b)].caption = button.Caption;
        buttons[static_cast<std::size_t>(b)].visible = button.Visible;
    }
    line = w.Line1.Visible;
}

std::vector<Rect> changedAreas(const ViewState& before, const ViewState& after,
                               const Frmmahjongg& w) {
    std::vector<Rect> areas;
    const auto add = [&areas](const Rect& r) {
        if (r.Width > 0 && r.Height > 0)
            areas.push_back(r);
    };
    for (std::size_t i = 0; i < after.images.size(); ++i)
        if (before.images[i] != after.images[i]) {
            add(before.images[i].rect);
            add(after.images[i].rect);
        }
    // Labels and the line stay where the window put them.
    for (int l = 0; l < kLabels; ++l)
        if (before.labels[static_cast<std::size_t>(l)] != after.labels[static_cast<std::size_t>(l)])
            add(w.label(static_cast<LabelId>(l)));
    if (before.line != after.line)
        add(w.Line1.bounds());
    return areas;
}

} // namespace mj
