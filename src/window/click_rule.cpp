#include "window/click_rule.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace mj {

namespace {

// Whether a button, label or the line is shown at the point; images are looked up apart.
bool shownAt(const Frmmahjongg& w, ControlRef ref, int x, int y) {
    switch (ref.kind) {
    case ControlKind::Button: {
        const Button& b = w.button(static_cast<ButtonId>(ref.index));
        return b.Visible && b.contains(x, y);
    }
    case ControlKind::Label: {
        const Label& l = w.label(static_cast<LabelId>(ref.index));
        return l.Visible && l.contains(x, y);
    }
    case ControlKind::Line:
        return w.Line1.Visible && w.Line1.bounds().contains(x, y);
    default:
        return false;
    }
}

} // namespace

std::optional<ControlRef> controlAt(const Frmmahjongg& w, int x, int y) {
    if (!inClientArea(x, y))
        return std::nullopt;
    // The drawing order with the buttons first, since they lie above everything else.
    static const std::vector<ControlRef> order = [] {
        std::vector<ControlRef> buttonsFirst;
        for (const bool buttons : {true, false})
            for (const ControlRef ref : drawingOrder())
                if ((ref.kind == ControlKind::Button) == buttons)
                    buttonsFirst.push_back(ref);
        return buttonsFirst;
    }();
    const ImageLookup images(w);
    for (const ControlRef ref : order) {
        if (const Image* image = images(ref)) {
            if (image->Visible && image->contains(x, y))
                return ref;
        } else if (shownAt(w, ref, x, y)) {
            return ref;
        }
    }
    return std::nullopt;
}

EventResult clickAt(Frmmahjongg& w, int x, int y) {
    const std::optional<ControlRef> hit = controlAt(w, x, y);
    if (!hit)
        return {};
    if (hit->kind == ControlKind::Button)
        return clickButton(w, static_cast<ButtonId>(hit->index));
    if (hit->kind == ControlKind::Tile && w.Imgtile1[board::idx(hit->index)].Enabled) {
        w.Imgtile1_Click(static_cast<std::int16_t>(hit->index));
        return {EventResult::Kind::Tile, hit->index};
    }
    return {};
}

EventResult clickButton(Frmmahjongg& w, ButtonId id) {
    // A click queued while the button was shown may arrive after a handler hid it.
    if (const Button& b = w.button(id); !b.Visible || !b.Enabled)
        return {};
    switch (id) {
    case ButtonId::Cmdstart:
        w.Cmdstart_Click();
        break;
    case ButtonId::Cmdquit:
        w.Cmdquit_Click();
        break;
    case ButtonId::Cmdpause:
        w.Cmdpause_Click();
        break;
    case ButtonId::Cmdnew:
        w.Cmdnew_Click();
        break;
    }
    return {EventResult::Kind::Button, static_cast<int>(id)};
}

EventResult pressMnemonic(Frmmahjongg& w, char letter) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int b = 0; b < kButtons; ++b) {
        const auto id = static_cast<ButtonId>(b);
        if (w.button(id).Visible && w.button(id).mnemonic() == wanted)
            return clickButton(w, id);
    }
    return {};
}

} // namespace mj
