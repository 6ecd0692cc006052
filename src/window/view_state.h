// Everything of the window that shows on the screen, as a value: two equal view states paint
// the same picture. The front end repaints only where an event changed it.
#pragma once

#include "window/frmmahjongg.h"

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace mj {

struct ViewState {
    // An image as it shows; a hidden image shows nothing, whatever it holds or wherever it
    // stands, so its look is the empty one.
    struct Look {
        PictureRef picture = nullptr;
        Rect rect;
        // Compared as bytes: a thousand looks are compared after every event.
        friend bool operator==(const Look& a, const Look& b) {
            static_assert(std::has_unique_object_representations_v<Look>);
            return std::memcmp(&a, &b, sizeof(Look)) == 0;
        }
    };
    struct Text {
        std::string caption; // a hidden label's is empty
        bool visible = false;
        friend bool operator==(const Text&, const Text&) = default;
    };
    std::vector<Look> images; // every image: Imgpause, then the arrays in the window's order
    std::vector<Text> labels;
    std::vector<Text> buttons;
    bool line = false;

    static ViewState of(const Frmmahjongg& w);
    friend bool operator==(const ViewState&, const ViewState&) = default;

    // What an update of the state found: where, in twips, the window looks different (for
    // each image, label and the line whose look changed, the rectangle it showed in and the
    // one it shows in; none for a hidden one), and whether a button did. The buttons are
    // not among the areas: they are widgets of their own.
    struct Changes {
        std::vector<Rect> areas;
        bool buttons = false;
    };
    // Brings the state up to date with window `w`, in one pass, and tells what changed.
    Changes refresh(const Frmmahjongg& w);
};

} // namespace mj
