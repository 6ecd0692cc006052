#include "icon_picture.h"

#include "colours.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pictures {

namespace {

// The mouse's body is an oblong with round ends on the diagonal; shapes are measured on the 32 x 32
// grid and sampled at each pixel's centre, so both sizes draw the same mouse.
constexpr double kCentreX = 16.0;
constexpr double kCentreY = 19.0;
constexpr double kHalfSpine = 4.8;   // half the length of the body's straight middle part
constexpr double kRadius = 6.8;      // half the body's width; its ends are round
constexpr double kButtonDepth = 6.0; // how far the buttons reach back from the front end

struct Axes {
    double along;  // negative towards the buttons at the upper left
    double across; // negative towards the lower-left side
};

Axes axesAt(double x, double y) {
    const double dx = x - kCentreX;
    const double dy = y - kCentreY;
    return {(dx + dy) / std::sqrt(2.0), (dx - dy) / std::sqrt(2.0)};
}

class Grid {
  public:
    explicit Grid(int size) : size_(size), scale_(32.0 / size) {}

    double scale() const { return scale_; }

    Axes axes(int x, int y) const { return axesAt((x + 0.5) * scale_, (y + 0.5) * scale_); }

    bool inBody(int x, int y) const {
        if (x < 0 || y < 0 || x >= size_ || y >= size_) {
            return false;
        }
        const Axes a = axes(x, y);
        const double beyondSpine = std::max(0.0, std::abs(a.along) - kHalfSpine);
        return beyondSpine * beyondSpine + a.across * a.across <= kRadius * kRadius;
    }

    bool onOutline(int x, int y) const {
        return inBody(x, y) &&
               (!inBody(x - 1, y) || !inBody(x + 1, y) || !inBody(x, y - 1) || !inBody(x, y + 1));
    }

  private:
    int size_;
    double scale_;
};

// A line of pixels from a to b, one pixel per step along the longer axis.
void drawLine(QImage& image, QPoint a, QPoint b, QRgb colour) {
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(i) / steps;
        const int x = static_cast<int>(std::lround(a.x() + t * (b.x() - a.x())));
        const int y = static_cast<int>(std::lround(a.y() + t * (b.y() - a.y())));
        image.setPixel(x, y, colour);
    }
}

} // namespace

QImage iconPicture(int size) {
    const Grid grid(size);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);

    // How far the shadow reaches in from the side, on the 32 x 32 grid.
    const double shadowDepth = size >= 32 ? 3.1 : 3.6;
    const double lineTolerance = 0.5 * grid.scale();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!grid.inBody(x, y)) {
                continue;
            }
            const Axes a = grid.axes(x, y);
            QRgb pixel = (x + y) % 2 == 0 ? kWhite : kSilverGround;
            // The shadow is a band two pixels wide (one in the small icon) inside the outline.
            if (a.across < -kRadius + shadowDepth) {
                pixel = kDarkGrey;
            }
            const double buttonEdge = -kHalfSpine - kRadius + kButtonDepth;
            const bool crossLine = std::abs(a.along - buttonEdge) < lineTolerance;
            const bool middleLine = a.along < buttonEdge && std::abs(a.across) < lineTolerance;
            if (grid.onOutline(x, y) || crossLine || middleLine) {
                pixel = kBlack;
            }
            icon.setPixel(x, y, pixel | 0xFF000000u);
        }
    }

    // The cable: up and to the left from the buttons, across the top and off the top edge.
    const std::vector<QPoint> cable32 = {{7, 10}, {5, 8},  {5, 6},  {6, 5}, {18, 5},
                                         {20, 3}, {20, 2}, {21, 1}, {21, 0}};
    const std::vector<QPoint> cable16 = {{3, 5}, {2, 4}, {2, 3}, {3, 2}, {9, 2}, {10, 1}, {10, 0}};
    const std::vector<QPoint>& cable = size >= 32 ? cable32 : cable16;
    for (std::size_t i = 1; i < cable.size(); ++i) {
        drawLine(icon, cable[i - 1], cable[i], kBlack | 0xFF000000u);
    }
    return icon;
}

QImage themeIconPicture(int size) {
    // 48 is no whole multiple of 32. The small image, the same mouse sampled at half the
    // size, fills it three times over with its cable still reaching the top edge; the large one
    // unscaled would leave the cable hanging short of it.
    const int source = size % 32 == 0 ? 32 : 16;
    const QImage drawing = iconPicture(source);
    const int factor = size / source;
    QImage icon(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            icon.setPixel(x, y, drawing.pixel(x / factor, y / factor));
        }
    }
    return icon;
}

} // namespace pictures
