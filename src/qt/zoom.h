// How many screen pixels a picture pixel takes, and where the window opens. The window draws
// at a whole zoom, so that every picture pixel is a sharp square of device pixels and the text
// is set at the zoomed size; Qt's own scaling is therefore switched off.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;

namespace mj::qt {

// Call before the QApplication is created. Switches Qt's scaling off, so that a widget pixel
// is a device pixel; a factor the user asked for with QT_SCALE_FACTOR becomes part of the
// screen's scale instead.
void takeOverScaling();

// The screen's scale against a plain 96 dpi screen: its logical dpi / 96, times the factor
// asked for with QT_SCALE_FACTOR.
double screenScale(const QScreen& screen);

struct Placement {
    int zoom = 1;
    QPoint topLeft; // of the window's frame
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The largest whole zoom, at least 1 and at most the scale rounded up, at which the client
// area with the frame around it fits the screen's available area; the window centred on that
// area. Where even zoom 1 does not fit, the window opens at the area's top-left corner, so that
// its title bar stays on the screen.
Placement placeWindow(const QRect& available, const QMargins& frame, double scale);

} // namespace mj::qt
