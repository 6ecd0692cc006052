#include "art_canvas.h"

#include "colours.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace pictures {

namespace {

bool insideFrame(int x, int y) {
    return x >= 1 && x < kTileWidth - 1 && y >= 1 && y < kTileHeight - 1;
}

bool isInk(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

} // namespace

ArtCanvas::ArtCanvas() : image_(kTileWidth, kTileHeight, QImage::Format_ARGB32) {
    image_.fill(Qt::transparent);
}

void ArtCanvas::put(int x, int y, QRgb colour) {
    if (insideFrame(x, y)) {
        image_.setPixel(x, y, colour | 0xFF000000u);
    }
}

void ArtCanvas::erase(int x, int y) {
    if (insideFrame(x, y)) {
        image_.setPixel(x, y, 0u);
    }
}

void ArtCanvas::fillRect(int x, int y, int width, int height, QRgb colour) {
    for (int j = y; j < y + height; ++j) {
        for (int i = x; i < x + width; ++i) {
            put(i, j, colour);
        }
    }
}

void ArtCanvas::fillRing(double cx, double cy, double innerRadius, double outerRadius,
                         QRgb colour) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d2 = dx * dx + dy * dy;
            if (d2 <= outerRadius * outerRadius && d2 > innerRadius * innerRadius) {
                put(x, y, colour);
            }
        }
    }
}

void ArtCanvas::stampText(const QString& text, const QString& family, int maxPixelSize,
                          const QRect& box, QRgb colour, bool bold) {
    for (int size = maxPixelSize; size >= 4; --size) {
        QImage glyphs(4 * size * static_cast<int>(text.size()) + 16, 3 * size + 16,
                      QImage::Format_ARGB32);
        glyphs.fill(Qt::transparent);
        QFont font(family);
        font.setPixelSize(size);
        font.setBold(bold);
        font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias |
                                                   QFont::NoFontMerging));
        font.setHintingPreference(QFont::PreferFullHinting);
        {
            QPainter painter(&glyphs);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.setFont(font);
            painter.setPen(QColor::fromRgb(colour));
            painter.drawText(8, 8 + 2 * size, text);
        }
        int left = glyphs.width();
        int right = -1;
        int top = glyphs.height();
        int bottom = -1;
        for (int y = 0; y < glyphs.height(); ++y) {
            for (int x = 0; x < glyphs.width(); ++x) {
                if (isInk(glyphs.pixel(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        if (right < 0) {
            continue;
        }
        const int inkWidth = right - left + 1;
        const int inkHeight = bottom - top + 1;
        if (inkWidth > box.width() || inkHeight > box.height()) {
            continue;
        }
        const int offsetX = box.x() + (box.width() - inkWidth) / 2 - left;
        const int offsetY = box.y() + (box.height() - inkHeight) / 2 - top;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (isInk(glyphs.pixel(x, y))) {
                    put(x + offsetX, y + offsetY, colour);
                }
            }
        }
        return;
    }
}

void ArtCanvas::stampCanvas(const ArtCanvas& other) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const QRgb pixel = other.image_.pixel(x, y);
            if (isInk(pixel)) {
                put(x, y, pixel);
            }
        }
    }
}

QImage composeTile(const ArtCanvas& art, QRgb ground) {
    QImage tile(kTileWidth, kTileHeight, QImage::Format_RGB32);
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            QRgb pixel = ground;
            if (!insideFrame(x, y)) {
                pixel = kBlack;
            } else if (isInk(art.image().pixel(x, y))) {
                pixel = art.image().pixel(x, y) | 0xFF000000u;
            }
            tile.setPixel(x, y, pixel);
        }
    }
    return tile;
}

} // namespace pictures
