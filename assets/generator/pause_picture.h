#pragma once

#include <QImage>

namespace pictures {

// The picture laid over the board while the game is paused: GAME PAUSED! in red capitals with
// a light grey outline on black, 768 x 312.
QImage pausePicture();

} // namespace pictures
