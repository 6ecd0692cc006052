#include "window/view_state.h"

#include <array>
#include <span>

namespace mj {

ViewState ViewState::of(const Frmmahjongg& w) {
    ViewState v;
    v.refresh(w);
    return v;
}

namespace {

constexpr std::size_t kImages = 1 + board::kTileImages + board::kFaceTemplates +
                                board::kCornerTemplates + 2 * board::kSlots + board::kPieces;

// Every image of the window, array by array.
std::array<std::span<const Image>, 7> allImages(const Frmmahjongg& w) {
    return {std::span(&w.Imgpause, 1), std::span(w.Imgtile1), std::span(w.Imgtmalli),
            std::span(w.Imgvarjo1),    std::span(w.Imgpr),    std::span(w.Imgvar),
            std::span(w.Imgvvak)};
}

} // namespace

ViewState::Changes ViewState::refresh(const Frmmahjongg& w) {
    Changes changes;
    const auto add = [&changes](const Rect& r) {
        if (r.Width > 0 && r.Height > 0)
            changes.areas.push_back(r);
    };
    images.resize(kImages);
    Look* look = images.data();
    for (const std::span<const Image> array : allImages(w))
        for (const Image& image : array) {
            const bool same = image.Visible ? look->picture == image.Picture && look->rect == image
                                            : look->picture == nullptr && look->rect == Rect{};
            if (!same) {
                const Look now = image.Visible ? Look{image.Picture, image} : Look{};
                add(look->rect);
                if (now.rect != look->rect)
                    add(now.rect);
                *look = now;
            }
            ++look;
        }
    // Labels and the line stay where the window put them; a hidden label shows no caption.
    labels.resize(kLabels);
    for (int l = 0; l < kLabels; ++l) {
        const Label& label = w.label(static_cast<LabelId>(l));
        Text& text = labels[static_cast<std::size_t>(l)];
        const bool same = text.visible == label.Visible &&
                          (label.Visible ? text.caption == label.Caption : text.caption.empty());
        if (!same) {
            add(label);
            text = {label.Visible ? label.Caption : std::string(), label.Visible};
        }
    }
    if (line != w.Line1.Visible) {
        add(w.Line1.bounds());
        line = w.Line1.Visible;
    }
    buttons.resize(kButtons);
    for (int b = 0; b < kButtons; ++b) {
        const Button& button = w.button(static_cast<ButtonId>(b));
        Text& text = buttons[static_cast<std::size_t>(b)];
        if (text.visible != button.Visible || text.caption != button.Caption) {
            text = {button.Caption, button.Visible};
            changes.buttons = true;
        }
    }
    return changes;
}

} // namespace mj
