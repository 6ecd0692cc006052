#include "qt/zoom.h"

#include "window/frmmahjongg.h"

#include <QScreen>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace mj::qt {

namespace {

double askedFactor = 1.0;

QSize frameSize(int zoom, const QMargins& frame) {
    return {Frmmahjongg::ClientWidth / kTwipsPerPixel * zoom + frame.left() + frame.right(),
            Frmmahjongg::ClientHeight / kTwipsPerPixel * zoom + frame.top() + frame.bottom()};
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

Placement placeWindow(const QRect& available, const QMargins& frame, double scale) {
    // A scale a hair above a whole number is that number.
    const int most = std::max(1, static_cast<int>(std::ceil(scale - 1e-6)));
    for (int zoom = most; zoom >= 1; --zoom) {
        const QSize size = frameSize(zoom, frame);
        if (size.width() <= available.width() && size.height() <= available.height())
            return {zoom, available.topLeft() + QPoint((available.width() - size.width()) / 2,
                                                       (available.height() - size.height()) / 2)};
    }
    return {1, available.topLeft()};
}

} // namespace mj::qt
