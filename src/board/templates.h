// The picture templates a tile or a corner piece can take, by index.
#pragma once

namespace mj::board {

inline constexpr int kFaces = 42;
inline constexpr int kBands = 3;
inline constexpr int kFaceTemplates = kFaces * kBands;

// A face is shown in one of three bands: grey while selected (and on the idle board), white in
// play, yellow while a matched pair waits for removal.
enum class Band { Grey = 0, White = 1, Yellow = 2 };

// faceTemplate(f, b) = the index of the face template Imgtmalli showing face f in band b.
constexpr int faceTemplate(int face, Band band) {
    return kFaces * static_cast<int>(band) + face;
}

// The corner templates Imgvarjo1(0..11). Side caps end a right edge at its top, bottom caps
// end a bottom edge at its left; the cap's triangle shows what lies beyond the edge.
enum CornerTemplate : int {
    kYellowSideCap = 0,
    kOuterCorner = 1,
    kYellowBottomCap = 2,
    kWhiteSideCap = 3,
    kSideJoin = 4,
    kBottomJoin = 5,
    kWhiteBottomCap = 6,
    kInnerCorner = 7,
    kSilverSideCap = 8,
    kGreenSideCap = 9,
    kGreenBottomCap = 10,
    kSilverBottomCap = 11,
};
inline constexpr int kCornerTemplates = 12;

} // namespace mj::board
