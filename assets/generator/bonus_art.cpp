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

const QRect kTopLeft(2, 2, 14, 13);
const QRect kTopRight(19, 2, 11, 13);

// A blossom: a red disc with its heart left open.
void drawBlossom(ArtCanvas& art, double cx, double cy) {
    art.fillRing(cx, cy, 0.8, 2.6, kBlossomRed);
}

// A small plant: a stem with two pairs of leaves and one to four blossoming twigs.
void drawPlant(ArtCanvas& art, int blossoms) {
    static constexpr std::array<std::array<QPoint, 4>, 4> kBlossomAt{{
        {{QPoint(16, 19)}},
        {{QPoint(10, 21), QPoint(22, 20)}},
        {{QPoint(9, 23), QPoint(16, 18), QPoint(23, 22)}},
        {{QPoint(7, 24), QPoint(12, 18), QPoint(20, 18), QPoint(25, 24)}},
    }};
    const auto& at = kBlossomAt[static_cast<std::size_t>(blossoms - 1)];
    {
        QPainter painter(&art.image());
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor green = QColor::fromRgb(kArtGreen);
        painter.setPen(QPen(green, 1));
        for (int i = 0; i < blossoms; ++i) {
            painter.drawLine(QPoint(15, 29), at[static_cast<std::size_t>(i)]);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(green);
        painter.drawRect(QRect(15, 23, 2, 15));
        // Leaves slanting up from the stem.
        painter.drawPolygon(
            QPolygon({QPoint(15, 34), QPoint(8, 29), QPoint(5, 30), QPoint(9, 34)}));
        painter.drawPolygon(
            QPolygon({QPoint(17, 34), QPoint(24, 29), QPoint(27, 30), QPoint(23, 34)}));
        painter.drawPolygon(
            QPolygon({QPoint(15, 30), QPoint(10, 26), QPoint(8, 27), QPoint(11, 30)}));
        painter.drawPolygon(
            QPolygon({QPoint(17, 30), QPoint(22, 26), QPoint(24, 27), QPoint(21, 30)}));
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
    art.stampText(QString(QChar(kSeasons[season - 1])), chineseFamily(), 14, kTopLeft, kArtRed);
    drawNumber(art, season, kTopRight, kArtBlue);
}

void drawFlower(ArtCanvas& art, int flower) {
    static constexpr char16_t kFlowers[] = {u'梅', u'蘭', u'菊', u'竹'};
    drawPlant(art, flower);
    drawNumber(art, flower, kTopLeft.adjusted(0, 0, -3, 0), kArtRed);
    art.stampText(QString(QChar(kFlowers[flower - 1])), chineseFamily(), 14,
                  kTopRight.adjusted(-3, 0, 0, 0), kArtBlue);
}

} // namespace pictures
