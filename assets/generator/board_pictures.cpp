#include "board_pictures.h"

#include "colours.h"

namespace pictures {

namespace {

enum class Cap { None, Side, Bottom };

struct CornerShape {
    int width;
    int height;
    bool leftColumn;
    bool rightColumn;
    bool topRow;
    bool bottomRow;
    Cap cap;
    QRgb capColour; // the triangle beyond the edge that the cap ends
};

constexpr CornerShape kCorners[kCornerTemplateCount] = {
    {7, 8, true, false, false, false, Cap::Side, kYellow},      // 0 yellow side cap
    {8, 8, false, true, false, true, Cap::None, kDarkGrey},     // 1 outer corner
    {8, 7, false, false, true, false, Cap::Bottom, kYellow},    // 2 yellow bottom cap
    {7, 8, true, false, false, false, Cap::Side, kWhite},       // 3 white side cap
    {8, 8, true, true, false, false, Cap::None, kDarkGrey},     // 4 side join
    {8, 8, false, false, true, true, Cap::None, kDarkGrey},     // 5 bottom join
    {8, 7, false, false, true, false, Cap::Bottom, kWhite},     // 6 white bottom cap
    {8, 8, true, false, true, false, Cap::None, kDarkGrey},     // 7 inner corner
    {7, 8, true, false, false, false, Cap::Side, kCapSilver},   // 8 silver side cap
    {8, 8, true, false, false, false, Cap::Side, kCapGreen},    // 9 green side cap
    {8, 8, false, false, true, false, Cap::Bottom, kCapGreen},  // 10 green bottom cap
    {8, 7, false, false, true, false, Cap::Bottom, kCapSilver}, // 11 silver bottom cap
};

QImage filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

QImage cornerTemplate(int index) {
    const CornerShape& shape = kCorners[index];
    QImage image = filled(shape.width, shape.height, kDarkGrey);
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x) {
            const bool black = x == y || (shape.leftColumn && x == 0) ||
                               (shape.rightColumn && x == 7) || (shape.topRow && y == 0) ||
                               (shape.bottomRow && y == 7);
            QRgb pixel = kDarkGrey;
            if (black) {
                pixel = kBlack;
            } else if ((shape.cap == Cap::Side && x > y) || (shape.cap == Cap::Bottom && x < y)) {
                pixel = shape.capColour;
            }
            image.setPixel(x, y, pixel);
        }
    }
    return image;
}

QImage rightEdgePicture() {
    QImage image = filled(8, 32, kDarkGrey);
    for (int y = 0; y < 32; ++y) {
        image.setPixel(0, y, kBlack);
        image.setPixel(7, y, kBlack);
    }
    return image;
}

QImage bottomEdgePicture() {
    QImage image = filled(24, 8, kDarkGrey);
    for (int x = 0; x < 24; ++x) {
        image.setPixel(x, 0, kBlack);
        image.setPixel(x, 7, kBlack);
    }
    return image;
}

} // namespace pictures
