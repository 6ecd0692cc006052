#include "colours.h"
#include "face_art.h"

#include <array>

namespace pictures {

namespace {

struct Circle {
    double cx;
    double cy;
    QRgb colour;
};

// One ringed circle: an outer ring, a gap of ground and a disc with a hole in its middle.
void drawCircle(ArtCanvas& art, double cx, double cy, double radius, QRgb colour) {
    art.fillRing(cx, cy, radius - 1.25, radius, colour);
    art.fillRing(cx, cy, radius >= 5.0 ? 1.0 : 0.75, radius - 2.25, colour);
}

template <std::size_t N>
void drawAll(ArtCanvas& art, double radius, const std::array<Circle, N>& circles) {
    for (const Circle& c : circles) {
        drawCircle(art, c.cx, c.cy, radius, c.colour);
    }
}

constexpr QRgb G = kArtGreen;
constexpr QRgb B = kArtBlue;
constexpr QRgb R = kArtRed;

// The one circle is a large rosette of rings in the three colours.
void drawGreatCircle(ArtCanvas& art) {
    constexpr double cx = 16.0;
    constexpr double cy = 20.0;
    art.fillRing(cx, cy, 12.0, 13.5, G);
    art.fillRing(cx, cy, 9.0, 11.0, B);
    art.fillRing(cx, cy, 5.5, 8.0, R);
    art.fillRing(cx, cy, 3.0, 4.5, G);
    art.fillRing(cx, cy, 0.0, 1.5, R);
    // Spokes of ground cut through the blue ring.
    for (int i = 0; i < 3; ++i) {
        art.erase(15 + i, 9);
        art.erase(15 + i, 30);
        art.erase(5, 19 + i);
        art.erase(26, 19 + i);
    }
}

} // namespace

void drawCircles(ArtCanvas& art, int count) {
    switch (count) {
    case 1:
        drawGreatCircle(art);
        break;
    case 2:
        drawAll(art, 8.0, std::array<Circle, 2>{{{16, 11, G}, {16, 29, B}}});
        break;
    case 3:
        drawAll(art, 6.5, std::array<Circle, 3>{{{8, 9, B}, {16, 20, R}, {24, 31, G}}});
        break;
    case 4:
        drawAll(art, 6.0,
                std::array<Circle, 4>{{{9.5, 12, B}, {22.5, 12, G}, {9.5, 28, G}, {22.5, 28, B}}});
        break;
    case 5:
        drawAll(art, 5.5,
                std::array<Circle, 5>{
                    {{8.5, 9.5, B}, {23.5, 9.5, G}, {16, 20, R}, {8.5, 30.5, G}, {23.5, 30.5, B}}});
        break;
    case 6:
        drawAll(art, 5.5,
                std::array<Circle, 6>{
                    {{10, 8, G}, {22, 8, G}, {10, 20, R}, {22, 20, R}, {10, 32, R}, {22, 32, R}}});
        break;
    case 7:
        drawAll(art, 4.4,
                std::array<Circle, 7>{{{7, 6.5, G},
                                       {16, 9.5, G},
                                       {25, 12.5, G},
                                       {11, 23, R},
                                       {21, 23, R},
                                       {11, 33, R},
                                       {21, 33, R}}});
        break;
    case 8: {
        std::array<Circle, 8> eight{};
        for (int i = 0; i < 4; ++i) {
            eight[static_cast<std::size_t>(2 * i)] = {10, 6.0 + 9.0 * i, B};
            eight[static_cast<std::size_t>(2 * i + 1)] = {22, 6.0 + 9.0 * i, B};
        }
        drawAll(art, 4.4, eight);
        break;
    }
    case 9: {
        constexpr QRgb rows[] = {G, R, B};
        std::array<Circle, 9> nine{};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                nine[static_cast<std::size_t>(3 * row + col)] = {7.0 + 9.0 * col, 9.0 + 11.0 * row,
                                                                 rows[row]};
            }
        }
        drawAll(art, 4.4, nine);
        break;
    }
    default:
        break;
    }
}

} // namespace pictures
