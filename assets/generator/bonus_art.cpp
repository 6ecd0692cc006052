#include "colours.h"
#include "face_art.h"
#include "fonts.h"

#include <QChar>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <array>

namespace pictures {

namespace {

const QRect kTopLeft(2, 2, 13, 12);
const QRect kTopRight(20, 2, 10, 12);

// A blossom: a red disc with its heart left open.
void drawBlossom(ArtCanvas& art, double cx, double cy) {
    art.fillRing(cx, cy, 0.8, 2.9, kBlossomRed);
}

// A small plant: a stem with two pairs of leaves and one to four blossoming twigs.
void drawPlant(ArtCanvas& art, int blossoms) {
    static constexpr std::array<std::array<QPoint, 4>, 4> kBlossomAt{{
        {{QPoint(16, 18)}},
        {{QPoint(10, 20), QPoint(22, 19)}},
        {{QPoint(9, 22), QPoint(16, 17), QPoint(23, 21)}},
        {{QPoint(7, 23), QPoint(12, 17), QPoint(20, 17), QPoint(25, 23)}},
    }};
    const auto& at = kBlossomAt[static_cast<std::size_t>(blossoms - 1)];
    {
        QPainter painter(&art.image());
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor green = QColor::fromRgb(kArtGreen);
        painter.setPen(QPen(green, 1));
        for (int i = 0; i < blossoms; ++i) {
            painter.drawLine(QPoint(15, 28), at[static_cast<std::size_t>(i)]);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(green);
        painter.drawRect(QRect(15, 22, 2, 15));
        // Leaves slanting up from the stem.
        painter.drawPolygon(QPolygon({QPoint(15, 33), QPoint(8, 28), QPoint(5, 29), QPoint(9, 33)}));
        painter.drawPolygon(
            QPolygon({QPoint(17, 33), QPoint(24, 28), QPoint(27, 29), QPoint(23, 33)}));
        painter.drawPolygon(QPolygon({QPoint(15, 29), QPoint(10, 25), QPoint(8, 26), QPoint(11, 29)}));
        painter.drawPolygon(
            QPolygon({QPoint(17, 29), QPoint(22, 25), QPoint(24, 26), QPoint(21, 29)}));
    }
    for (int i = 0; i < blossoms; ++i) {
        const QPoint p = at[static_cast<std::size_t>(i)];
        drawBlossom(art, p.x() + 0.5, p.y() + 0.5);
    }
}

void drawNumber(ArtCanvas& art, int number, const QRect& box, QRgb colour) {
    art.stampText(QString::number(number), latinFamily(), 12, box, colour, true);
}

} // namespace

void drawSeason(ArtCanvas& art, int season) {
    static constexpr char16_t kSeasons[] = {u'春', u'夏', u'秋', u'冬'};
    drawPlant(art, season);
    art.stampText(QString(QChar(kSeasons[season - 1])), chineseFamily(), 13, kTopLeft, kArtRed);
    drawNumber(art, season, kTopRight, kArtBlue);
}

void drawFlower(ArtCanvas& art, int flower) {
    static constexpr char16_t kFlowers[] = {u'梅', u'蘭', u'菊', u'竹'};
    drawPlant(art, flower);
    drawNumber(art, flower, kTopLeft.adjusted(0, 0, -3, 0), kArtRed);
    art.stampText(QString(QChar(kFlowers[flower - 1])), chineseFamily(), 13,
                  kTopRight.adjusted(-3, 0, 0, 0), kArtBlue);
}

} // namespace pictures
