#include "pause_picture.h"

#include "colours.h"
#include "fonts.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace pictures {

namespace {

constexpr int kWidth = 768;
constexpr int kHeight = 312;
// The letters with their outline fill the pixels x 4 to 764 and y 103 to 175.
constexpr double kTextLeft = 4.0;
constexpr double kTextRight = 765.0;
constexpr double kTextTop = 103.0;
constexpr double kTextBottom = 176.0;
constexpr double kOutlineWidth = 1.0;

} // namespace

QImage pausePicture() {
    QFont font(latinFamily());
    font.setPixelSize(100);
    font.setWeight(QFont::Black);
    QPainterPath path;
    path.addText(0.0, 0.0, font, QStringLiteral("GAME PAUSED!"));

    // Stretch the glyphs so that their outlined ink just fills the text box.
    const QRectF ink = path.boundingRect();
    const QRectF target(kTextLeft + kOutlineWidth, kTextTop + kOutlineWidth,
                        kTextRight - kTextLeft - 2 * kOutlineWidth,
                        kTextBottom - kTextTop - 2 * kOutlineWidth);
    QTransform fit;
    fit.translate(target.left(), target.top());
    fit.scale(target.width() / ink.width(), target.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    path = fit.map(path);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The outline is a stroke twice as wide as it shows, half of it hidden under the fill.
    painter.strokePath(path, QPen(QColor::fromRgb(kSilverGround), 2 * kOutlineWidth));
    painter.fillPath(path, QColor::fromRgb(qRgb(0xFF, 0x00, 0x00)));
    painter.end();
    return image;
}

} // namespace pictures
