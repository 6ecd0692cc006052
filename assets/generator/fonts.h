#pragma once

#include <QString>

namespace pictures {

// Loads the fonts the pictures are drawn with from their files, so that the pictures come out
// the same whatever other fonts the machine has. Returns an empty string on success, otherwise
// a message that names the missing file.
QString loadFonts();

// The family of the Chinese glyphs (WenQuanYi Micro Hei, Debian package fonts-wqy-microhei).
QString chineseFamily();

// The family of Latin letters and digits (DejaVu Sans, Debian package fonts-dejavu-core).
QString latinFamily();

} // namespace pictures
