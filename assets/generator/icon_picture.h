#pragma once

#include <QImage>

namespace pictures {

// The window icon, 32 x 32 or 16 x 16 on a transparent ground: a two-button mouse seen from
// above, lying diagonally with its buttons at the upper left and its cable running off the top.
QImage iconPicture(int size);

} // namespace pictures
