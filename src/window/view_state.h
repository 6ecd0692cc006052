// Everything of the window that shows on the screen, as a value: two equal view states paint
// the same picture. The front end repaints only where an event changed it.
#pragma once

#include "window/frmmahjongg.h"

#include <string>
#include <vector>

namespace mj {

struct ViewState {
    // An image as it shows; a hidden image shows nothing, whatever it holds or wherever it
    // stands, so its look is the empty one.
    struct Look {
        PictureRef picture = nullptr;
        Rect rect;
        friend bool operator==(const Look&, const Look&) = default;
    };
    struct Text {
        std::string caption; // a hidden label's is empty
        bool visible = false;
        friend bool operator==(const Text&, const Text&) = default;
    };
    std::vector<Look> images; // every image, in drawing order
    std::vector<Text> labels;
    std::vector<Text> buttons;
    bool line = false;

    static ViewState of(const Frmmahjongg& w);
    // The same as `*this = of(w)`, reusing what the state has allocated.
    void assign(const Frmmahjongg& w);
    friend bool operator==(const ViewState&, const ViewState&) = default;
};

// Where, in twips, two view states of window `w` look different: for each image, label and
// the line whose look changed, the rectangle it showed in and the one it shows in (none for
// a hidden one). The buttons are left out; they are widgets of their own.
std::vector<Rect> changedAreas(const ViewState& before, const ViewState& after,
                               const Frmmahjongg& w);

} // namespace mj
