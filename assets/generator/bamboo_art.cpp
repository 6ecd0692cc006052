#include "colours.h"
#include "face_art.h"

#include <QPainter>
#include <QPolygon>

#include <array>

namespace pictures {

namespace {

constexpr int kStickWidth = 4;

// One bamboo stick, 4 pixels wide: a tube with a light streak down its left side, closed by a
// knot at each end and one in the middle.
void drawStick(ArtCanvas& art, int x, int y, int height, QRgb colour) {
    const int middle = y + height / 2;
    for (int j = y; j < y + height; ++j) {
        const bool knot = j == y || j == y + height - 1 || j == middle;
        for (int i = 0; i < kStickWidth; ++i) {
            if (!knot && i == 1) {
                continue;
            }
            art.put(x + i, j, colour);
        }
        if (knot) {
            art.put(x - 1, j, colour);
            art.put(x + kStickWidth, j, colour);
        }
    }
}

struct Stick {
    int x;
    int y;
    int height;
    QRgb colour;
};

constexpr QRgb G = kArtGreen;
constexpr QRgb B = kArtBlue;
constexpr QRgb R = kArtRed;

// Columns of three sticks, of two, of four; rows of two and of three.
constexpr int kThreeCols[] = {6, 14, 22};
constexpr int kTwoCols[] = {8, 20};
constexpr int kFourCols[] = {4, 11, 18, 25};
constexpr int kTallRows[] = {2, 21};
constexpr int kShortRows[] = {2, 14, 26};
constexpr int kTall = 17;
constexpr int kShort = 11;

template <std::size_t N> void drawSticks(ArtCanvas& art, const std::array<Stick, N>& sticks) {
    for (const Stick& stick : sticks) {
        drawStick(art, stick.x, stick.y, stick.height, stick.colour);
    }
}

} // namespace

void drawBamboo(ArtCanvas& art, int sticks) {
    switch (sticks) {
    case 2:
        drawSticks(art, std::array<Stick, 2>{
                            {{14, kTallRows[0], kTall, B}, {14, kTallRows[1], kTall, G}}});
        break;
    case 3:
        drawSticks(art, std::array<Stick, 3>{{{14, kTallRows[0], kTall, G},
                                              {kTwoCols[0], kTallRows[1], kTall, B},
                                              {kTwoCols[1], kTallRows[1], kTall, B}}});
        break;
    case 4:
        drawSticks(art, std::array<Stick, 4>{{{kTwoCols[0], kTallRows[0], kTall, B},
                                              {kTwoCols[1], kTallRows[0], kTall, G},
                                              {kTwoCols[0], kTallRows[1], kTall, G},
                                              {kTwoCols[1], kTallRows[1], kTall, B}}});
        break;
    case 5:
        drawSticks(art, std::array<Stick, 5>{{{5, kTallRows[0], kTall, G},
                                              {24, kTallRows[0], kTall, B},
                                              {14, 11, 18, R},
                                              {5, kTallRows[1], kTall, B},
                                              {24, kTallRows[1], kTall, G}}});
        break;
    case 6: {
        std::array<Stick, 6> six{};
        for (int i = 0; i < 3; ++i) {
            six[static_cast<std::size_t>(i)] = {kThreeCols[i], kTallRows[0], kTall, G};
            six[static_cast<std::size_t>(i + 3)] = {kThreeCols[i], kTallRows[1], kTall, B};
        }
        drawSticks(art, six);
        break;
    }
    case 7: {
        std::array<Stick, 7> seven{};
        seven[0] = {14, kShortRows[0], kShort, R};
        for (int i = 0; i < 3; ++i) {
            const QRgb colour = i == 1 ? B : G;
            seven[static_cast<std::size_t>(i + 1)] = {kThreeCols[i], kShortRows[1], kShort, colour};
            seven[static_cast<std::size_t>(i + 4)] = {kThreeCols[i], kShortRows[2], kShort, colour};
        }
        drawSticks(art, seven);
        break;
    }
    case 8: {
        constexpr QRgb top[] = {G, B, B, G};
        constexpr QRgb bottom[] = {B, G, G, B};
        std::array<Stick, 8> eight{};
        for (int i = 0; i < 4; ++i) {
            eight[static_cast<std::size_t>(i)] = {kFourCols[i], kTallRows[0], kTall, top[i]};
            eight[static_cast<std::size_t>(i + 4)] = {kFourCols[i], kTallRows[1], kTall, bottom[i]};
        }
        drawSticks(art, eight);
        break;
    }
    case 9: {
        constexpr QRgb columns[] = {G, R, B};
        std::array<Stick, 9> nine{};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                nine[static_cast<std::size_t>(3 * row + col)] = {kThreeCols[col], kShortRows[row],
                                                                 kShort, columns[col]};
            }
        }
        drawSticks(art, nine);
        break;
    }
    default:
        break;
    }
}

// A perched bird facing left: red crest, beak, wing and legs, a green body and a fanned tail.
void drawBird(ArtCanvas& art) {
    QPainter painter(&art.image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    const QColor green = QColor::fromRgb(kArtGreen);
    const QColor red = QColor::fromRgb(kArtRed);

    // Tail feathers fanning up and to the right, each with a red eye at its tip.
    painter.setBrush(green);
    painter.drawPolygon(QPolygon({QPoint(18, 21), QPoint(24, 4), QPoint(28, 5), QPoint(21, 23)}));
    painter.drawPolygon(QPolygon({QPoint(19, 23), QPoint(29, 12), QPoint(30, 16), QPoint(21, 25)}));
    painter.drawPolygon(QPolygon({QPoint(19, 25), QPoint(30, 24), QPoint(30, 28), QPoint(20, 27)}));

    // Body and head.
    painter.setBrush(green);
    painter.drawEllipse(QRect(6, 16, 16, 12));
    painter.drawEllipse(QRect(5, 8, 8, 8));
    painter.drawRect(QRect(8, 14, 4, 4));
    // Beak.
    painter.setBrush(red);
    painter.drawPolygon(QPolygon({QPoint(5, 11), QPoint(1, 13), QPoint(5, 13)}));
    // Wing.
    painter.drawEllipse(QRect(11, 18, 8, 6));
    painter.end();

    art.erase(7, 11); // the eye
    // Red eyes at the tips of the tail feathers.
    art.fillRing(26.0, 6.0, 0.0, 2.1, kArtRed);
    art.fillRing(28.5, 14.5, 0.0, 2.1, kArtRed);
    art.fillRing(28.5, 26.0, 0.0, 2.1, kArtRed);
    // A crest of three feathers.
    for (int i = 0; i < 3; ++i) {
        art.put(7 + i, 7 - i, kArtRed);
        art.put(9, 7 - i, kArtRed);
        art.put(11 - i, 7 - i, kArtRed);
    }
    for (int x = 12; x <= 17; x += 2) {
        art.put(x + 1, 20, kArtGreen); // feather lines across the wing
    }
    // Legs and feet on a branch.
    for (int y = 28; y <= 33; ++y) {
        art.put(11, y, kArtRed);
        art.put(16, y, kArtRed);
    }
    art.fillRect(9, 34, 4, 1, kArtRed);
    art.fillRect(14, 34, 4, 1, kArtRed);
    art.fillRect(4, 35, 22, 2, kArtGreen);
}

} // namespace pictures
