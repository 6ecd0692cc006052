#include "colours.h"
#include "face_art.h"
#include "fonts.h"

#include <QChar>
#include <QRect>

namespace pictures {

namespace {

// A single large glyph over most of the face.
void drawLargeGlyph(ArtCanvas& art, char16_t glyph, QRgb colour) {
    art.stampText(QString(QChar(glyph)), chineseFamily(), 30, QRect(3, 4, 26, 32), colour);
}

} // namespace

void drawCharacter(ArtCanvas& art, int number) {
    static constexpr char16_t kNumerals[] = {u'一', u'二', u'三', u'四', u'五',
                                             u'六', u'七', u'八', u'九'};
    art.stampText(QString(QChar(kNumerals[number - 1])), chineseFamily(), 15, QRect(3, 2, 26, 14),
                  kArtBlue);
    art.stampText(QStringLiteral(u"萬"), chineseFamily(), 22, QRect(3, 17, 26, 20), kArtRed);
}

void drawRedDragon(ArtCanvas& art) {
    drawLargeGlyph(art, u'中', kArtRed);
}

void drawGreenDragon(ArtCanvas& art) {
    drawLargeGlyph(art, u'發', kArtGreen);
}

// A blue frame: a thick outer border and a thin inner one.
void drawWhiteDragon(ArtCanvas& art) {
    const QRect outer(5, 5, 22, 30);
    for (int ring = 0; ring < 2; ++ring) {
        const QRect r = outer.adjusted(ring, ring, -ring, -ring);
        art.fillRect(r.left(), r.top(), r.width(), 1, kArtBlue);
        art.fillRect(r.left(), r.bottom(), r.width(), 1, kArtBlue);
        art.fillRect(r.left(), r.top(), 1, r.height(), kArtBlue);
        art.fillRect(r.right(), r.top(), 1, r.height(), kArtBlue);
    }
    const QRect inner = outer.adjusted(4, 4, -4, -4);
    art.fillRect(inner.left(), inner.top(), inner.width(), 1, kArtBlue);
    art.fillRect(inner.left(), inner.bottom(), inner.width(), 1, kArtBlue);
    art.fillRect(inner.left(), inner.top(), 1, inner.height(), kArtBlue);
    art.fillRect(inner.right(), inner.top(), 1, inner.height(), kArtBlue);
}

void drawWind(ArtCanvas& art, int wind) {
    static constexpr char16_t kWinds[] = {u'東', u'南', u'西', u'北'};
    drawLargeGlyph(art, kWinds[wind - 1], kArtBlue);
}

} // namespace pictures
