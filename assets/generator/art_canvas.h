#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

namespace pictures {

inline constexpr int kTileWidth = 32;
inline constexpr int kTileHeight = 40;

// The art of one face, drawn once and laid on the ground of every band. Each pixel is either
// fully art (opaque) or fully ground (transparent), so the bands of a face differ only where
// the ground shows. Drawing is clipped to the inside of the tile's black frame.
class ArtCanvas {
  public:
    ArtCanvas();

    void put(int x, int y, QRgb colour);
    void erase(int x, int y);
    void fillRect(int x, int y, int width, int height, QRgb colour);
    // Fills the pixels whose centres lie within the ring between the two radii around (cx, cy).
    void fillRing(double cx, double cy, double innerRadius, double outerRadius, QRgb colour);
    // Draws text with sharp (unsmoothed) glyphs in the largest pixel size up to maxPixelSize
    // whose ink fits the box, the ink centred in the box.
    void stampText(const QString& text, const QString& family, int maxPixelSize, const QRect& box,
                   QRgb colour, bool bold = false);
    // Stamps another canvas's art onto this one.
    void stampCanvas(const ArtCanvas& other);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

  private:
    QImage image_;
};

// A face template or the start tile picture: the ground, the art over it and the black frame.
QImage composeTile(const ArtCanvas& art, QRgb ground);

} // namespace pictures
