#pragma once

#include <QImage>

namespace pictures {

// The window icon, 32 x 32 or 16 x 16 on a transparent ground: a two-button mouse seen from
// above, lying diagonally with its buttons at the upper left and its cable running off the top.
QImage iconPicture(int size);

// The sizes an icon theme asks for beyond those two.
inline constexpr int kThemeIconSizes[] = {48, 64, 128, 256};

// The icon at one of the theme's sizes, blown up from the 32 x 32 image, or for 48 from the
// 16 x 16 one, each pixel a square of identical pixels with no smoothing.
QImage themeIconPicture(int size);

} // namespace pictures
