#include "window/picture_set.h"

#include <cstdio>

namespace mj {

namespace {

std::string numbered(const char* folder, int n, int digits) {
    char name[32];
    std::snprintf(name, sizeof name, "%s/%0*d", folder, digits, n);
    return name;
}

// Side caps are one column narrower and bottom caps one row lower than the other templates.
Picture cornerPicture(int t) {
    using namespace board;
    const bool sideCap = t == kYellowSideCap || t == kWhiteSideCap || t == kSilverSideCap;
    const bool bottomCap = t == kYellowBottomCap || t == kWhiteBottomCap || t == kSilverBottomCap;
    return {numbered("corners", t, 2), sideCap ? 7 : 8, bottomCap ? 7 : 8};
}

} // namespace

PictureSet::PictureSet()
    : startTile{"start", 32, 40}, rightEdge{"edge-right", 8, 32}, bottomEdge{"edge-bottom", 24, 8},
      pause{"pause", 768, 312}, untemplatedCorner{cornerPicture(board::kOuterCorner)} {
    for (int i = 0; i < board::kFaceTemplates; ++i)
        faces[static_cast<std::size_t>(i)] = {numbered("faces", i, 3), 32, 40};
    for (int t = 0; t < board::kCornerTemplates; ++t)
        corners[static_cast<std::size_t>(t)] = cornerPicture(t);
}

} // namespace mj
