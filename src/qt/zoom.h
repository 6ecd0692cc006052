// How many screen pixels a picture pixel takes, and where the window opens. The window draws
// at a whole zoom, so that every picture pixel is a sharp square of device pixels and the text
// is set at the zoomed size; Qt's own scaling is therefore switched off, and the window follows
// the scale of each screen it is put on itself.
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

// The screen a new window opens on, as desktop window managers choose it: the one that holds
// the pointer, or the primary screen where the pointer is on none.
QScreen* screenForNewWindow();

struct Placement {
    int zoom = 1;
    QPoint topLeft; // of the window's frame
    friend bool operator==(const Placement&, const Placement&) = default;
};

// The zoom a screen gives: the whole zoom nearest its scale (1.5 and up gives 2, 2.5 and up
// gives 3), at least 1, or the largest below it at which the client area with the frame
// around it fits the screen's available area.
int zoomFor(const QRect& available, const QMargins& frame, double scale);

// Where the window opens: at the screen's zoom, centred on the available area. Where even
// zoom 1 does not fit, at the area's top-left corner, so that its title bar stays on the
// screen.
Placement placeWindow(const QRect& available, const QMargins& frame, double scale);

// The window moved onto another screen, its frame centred at `centre`: it takes that screen's
// zoom and keeps its centre, held inside the available area so that it stays on the screen
// it was moved to (at the area's top-left corner where it is larger than the area).
Placement placeOnNewScreen(const QRect& available, const QMargins& frame, double scale,
                           QPoint centre);

} // namespace mj::qt
