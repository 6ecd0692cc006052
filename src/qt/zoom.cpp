#include "qt/zoom.h"

#include "qt/device_pixels.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace mj::qt {

namespace {

double askedFactor = 1.0;

QSize frameSize(int zoom, const QMargins& frame) {
    return clientSize(zoom).grownBy(frame);
}

bool fits(const QSize& size, const QRect& available) {
    return size.width() <= available.width() && size.height() <= available.height();
}

// The position along one side that puts `length` at `wanted`, moved inside [start, start +
// room) where it fits, and to `start` where it does not.
int heldInside(int wanted, int length, int start, int room) {
    return length > room ? start : std::clamp(wanted, start, start + room - length);
}

} // namespace

void takeOverScaling() {
    bool ok = false;
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    askedFactor = ok && asked > 0 ? asked : 1.0;
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

double screenScale(const QScreen& screen) {
    return askedFactor * screen.logicalDotsPerInch() / 96.0;
}

QScreen* screenForNewWindow() {
    if (QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos()))
        return underPointer;
    return QGuiApplication::primaryScreen();
}

int zoomFor(const QRect& available, const QMargins& frame, double scale) {
    // A scale a hair below a half, as a dpi of 143.99 gives, rounds up with it.
    const int nearest = static_cast<int>(std::floor(scale + 0.5 + 1e-3));
    for (int zoom = std::max(1, nearest); zoom > 1; --zoom)
        if (fits(frameSize(zoom, frame), available))
            return zoom;
    return 1;
}

Placement placeWindow(const QRect& available, const QMargins& frame, double scale) {
    const int zoom = zoomFor(available, frame, scale);
    const QSize size = frameSize(zoom, frame);
    if (!fits(size, available))
        return {zoom, available.topLeft()};
    return {zoom, available.topLeft() + QPoint((available.width() - size.width()) / 2,
                                               (available.height() - size.height()) / 2)};
}

Placement placeOnNewScreen(const QRect& available, const QMargins& frame, double scale,
                           QPoint centre) {
    const int zoom = zoomFor(available, frame, scale);
    const QSize size = frameSize(zoom, frame);
    return {zoom,
            {heldInside(centre.x() - size.width() / 2, size.width(), available.left(),
                        available.width()),
             heldInside(centre.y() - size.height() / 2, size.height(), available.top(),
                        available.height())}};
}

} // namespace mj::qt
