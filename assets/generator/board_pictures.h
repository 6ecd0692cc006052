#pragma once

#include <QImage>

namespace pictures {

inline constexpr int kCornerTemplateCount = 12;

// Corner template 0 to 11: the outer corner, the joins, the inner corner and the side and
// bottom caps that shape the tiles' blocks where their edges meet.
QImage cornerTemplate(int index);

// The right side of a tile's block, 8 x 32, and its bottom side, 24 x 8.
QImage rightEdgePicture();
QImage bottomEdgePicture();

} // namespace pictures
