// Pictures are immutable objects owned by the window and shared by the images that show them;
// what an image shows is told only by which picture object it holds.
#pragma once

#include <string>

namespace mj {

struct Picture {
    std::string asset; // the name of the picture's file among the program's pictures
    int width = 0;     // in pixels
    int height = 0;
};

using PictureRef = const Picture*;

} // namespace mj
