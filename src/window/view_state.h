// Everything of the window that shows on the screen, as a value: two equal view states paint
// the same picture. The front end repaints only when an event changed it.
#pragma once

#include "window/frmmahjongg.h"

#include <string>
#include <vector>

namespace mj {

struct ViewState {
    struct Shown {
        PictureRef picture = nullptr;
        int left = 0, top = 0; // hidden images are left out
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    struct Text {
        std::string caption;
        bool visible = false;
        friend bool operator==(const Text&, const Text&) = default;
    };
    std::vector<Shown> images; // the shown images, in drawing order
    std::vector<Text> labels;
    std::vector<Text> buttons;
    bool line = false;

    static ViewState of(const Frmmahjongg& w);
    // The same as `*this = of(w)`, reusing what the state has allocated.
    void assign(const Frmmahjongg& w);
    friend bool operator==(const ViewState&, const ViewState&) = default;
};

} // namespace mj
