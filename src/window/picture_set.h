// Every picture the window loads when it is created; they live as long as the window.
#pragma once

#include "board/templates.h"
#include "window/picture.h"

#include <array>

namespace mj {

struct PictureSet {
    PictureSet();
    PictureSet(const PictureSet&) = delete; // images point into the set
    PictureSet& operator=(const PictureSet&) = delete;

    std::array<Picture, board::kFaceTemplates> faces;
    std::array<Picture, board::kCornerTemplates> corners;
    Picture startTile;
    Picture rightEdge;
    Picture bottomEdge;
    Picture pause;
    // What the two untemplated corner pieces hold at creation: an outer corner that is
    // not the outer corner template.
    Picture untemplatedCorner;
};

} // namespace mj
