// The window's layout, laid out in twips, on the device's pixels: at zoom k every layout pixel
// (15 twips) is a k x k square of device pixels. Every conversion between the two goes through
// these functions.
#pragma once

#include "window/frmmahjongg.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace mj::qt {

// A position or a length in twips, in device pixels.
constexpr int devicePixels(int twips, int zoom) {
    return twips / kTwipsPerPixel * zoom;
}

// A control's rectangle in device pixels.
inline QRect deviceRect(const Rect& r, int zoom) {
    return {devicePixels(r.Left, zoom), devicePixels(r.Top, zoom), devicePixels(r.Width, zoom),
            devicePixels(r.Height, zoom)};
}

// The client area in device pixels.
constexpr QSize clientSize(int zoom) {
    return {devicePixels(Frmmahjongg::ClientWidth, zoom),
            devicePixels(Frmmahjongg::ClientHeight, zoom)};
}

// The twips of the layout pixel under a device position, whole or fractional (a compositor
// that scales the window and a fine pointer give fractions). Floored, never rounded: the last
// fraction of a pixel is still that pixel, and a position left of or above the window lies
// outside it. A position far outside the window (a press held while the pointer leaves it)
// is held at a distance that is still outside, so that nothing overflows.
inline QPoint twipsAt(QPointF at, int zoom) {
    const auto twips = [zoom](double device) {
        constexpr double kFar = 1 << 20;
        return static_cast<int>(std::floor(std::clamp(device / zoom, -kFar, kFar))) *
               kTwipsPerPixel;
    };
    return {twips(at.x()), twips(at.y())};
}

} // namespace mj::qt
