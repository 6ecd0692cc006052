#include "qt/device_pixels.h"
#include "qt/zoom.h"

#include <gtest/gtest.h>

namespace {

using mj::qt::Placement;
using mj::qt::placeWindow;

// A frame with a title bar: the window at zoom k takes 784k + 8 by 593k + 34 pixels.
const QMargins kFrame(4, 30, 4, 4);

// The zoom is the whole number nearest the screen's scale where the window fits at it; the
// window is not doubled on a screen at 125 %.
TEST(WindowZoom, IsTheWholeZoomNearestTheScaleThatFits) {
    const QRect huge(0, 0, 8000, 6000);
    struct Case {
        double scale;
        int zoom;
    };
    // Scales from 75 % to 300 % (Xft.dpi 101 is 105 %, 120 is 125 %, 132 is 137.5 %); a dpi a
    // hair below a half rounds up with it.
    const Case cases[] = {
        {0.75, 1}, {1.0, 1}, {1.05, 1}, {1.25, 1}, {1.375, 1},
        {1.49, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2},  {2.25, 2},
        {2.49, 2}, {2.5, 3}, {2.75, 3}, {3.0, 3},  {143.99 / 96, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mj::qt::zoomFor(huge, kFrame, c.scale), c.zoom) << "scale " << c.scale;
    // Where the nearest does not fit, the largest below it that does.
    EXPECT_EQ(mj::qt::zoomFor({0, 0, 2560, 1440}, kFrame, 3.0), 2);
    EXPECT_EQ(mj::qt::zoomFor({0, 0, 1920, 1080}, kFrame, 3.0), 1);
}

TEST(WindowZoom, IsTheLargestWholeZoomThatFitsCentredOnTheScreen) {
    struct Case {
        const char* what;
        QRect available;
        double scale;
        Placement expected;
    };
    const Case cases[] = {
        {"1920x1080 at 100%", {0, 0, 1920, 1080}, 1.0, {1, {564, 226}}},
        {"1920x1080 at 150%: zoom 2 is too high", {0, 0, 1920, 1080}, 1.5, {1, {564, 226}}},
        {"1920x1080 at 200%", {0, 0, 1920, 1080}, 2.0, {1, {564, 226}}},
        {"1280x1024 at 200%: zoom 2 is too wide", {0, 0, 1280, 1024}, 2.0, {1, {244, 198}}},
        {"3840x2160 at 150%", {0, 0, 3840, 2160}, 1.5, {2, {1132, 470}}},
        {"3840x2160 at 250%", {0, 0, 3840, 2160}, 2.5, {3, {740, 173}}},
        {"3840x2160 at 400%: zoom 4 is too high", {0, 0, 3840, 2160}, 4.0, {3, {740, 173}}},
        {"2560x1440 at 125%", {0, 0, 2560, 1440}, 1.25, {1, {884, 406}}},
        {"3840x2160 at 300%", {0, 0, 3840, 2160}, 3.0, {3, {740, 173}}},
        {"3840x2160 at 240%", {0, 0, 3840, 2160}, 2.4, {2, {1132, 470}}},
        {"a scale a hair above 2", {0, 0, 3840, 2160}, 2.0 + 1e-9, {2, {1132, 470}}},
        {"a scale a hair below 1.5", {0, 0, 3840, 2160}, 1.5 - 1e-9, {2, {1132, 470}}},
        {"a scale below 1", {0, 0, 1920, 1080}, 0.75, {1, {564, 226}}},
        {"a panel along the top", {0, 27, 1920, 1053}, 1.0, {1, {564, 240}}},
        {"a second screen to the right", {1920, 0, 1280, 1024}, 2.0, {1, {2164, 198}}},
        {"just room for zoom 1", {0, 0, 792, 627}, 1.0, {1, {0, 0}}},
        {"just room for zoom 2", {0, 0, 1576, 1220}, 2.0, {2, {0, 0}}},
        {"a pixel short of zoom 2", {0, 0, 1575, 1220}, 2.0, {1, {391, 296}}},
        {"800x600: not even zoom 1 fits", {0, 0, 800, 600}, 1.0, {1, {0, 0}}},
        {"800x600 at 200% under a panel", {0, 24, 800, 576}, 2.0, {1, {0, 24}}},
        {"wide enough but too low", {0, 0, 1024, 600}, 1.0, {1, {0, 0}}},
    };
    for (const Case& c : cases) {
        const Placement placed = placeWindow(c.available, kFrame, c.scale);
        EXPECT_EQ(placed.zoom, c.expected.zoom) << c.what;
        EXPECT_EQ(placed.topLeft, c.expected.topLeft) << c.what;
        // The title bar is never above the available area.
        EXPECT_GE(placed.topLeft.y(), c.available.top()) << c.what;
    }
}

// Moved onto another screen, the window takes its zoom about the centre it had, held inside
// the screen's available area.
TEST(WindowZoom, OnANewScreenKeepsTheCentreInsideTheScreen) {
    struct Case {
        const char* what;
        QRect available;
        double scale;
        QPoint centre;
        mj::qt::Placement expected;
    };
    const QRect right(1920, 0, 3840, 2160);
    const Case cases[] = {
        {"well inside", right, 2.0, {3500, 1000}, {2, {3500 - 788, 1000 - 610}}},
        {"over the left edge", right, 2.0, {2000, 1000}, {2, {1920, 1000 - 610}}},
        {"over the bottom right corner", right, 2.0, {5700, 2100}, {2, {5760 - 1576, 2160 - 1220}}},
        {"back at zoom 1", {0, 0, 1920, 1080}, 1.0, {1800, 500}, {1, {1920 - 792, 500 - 313}}},
        {"higher than the screen", {0, 24, 800, 576}, 1.0, {400, 300}, {1, {4, 24}}},
        {"larger than the screen", {0, 24, 640, 480}, 1.0, {400, 300}, {1, {0, 24}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mj::qt::placeOnNewScreen(c.available, kFrame, c.scale, c.centre), c.expected)
            << c.what;
}

// A pointer position, whole or fractional, lies in the layout pixel it is in: the last
// fraction of a pixel is still that pixel, and a fraction left of or above the window is
// outside it.
TEST(DevicePixels, APositionCountsInThePixelItLiesIn) {
    struct Case {
        double at;
        int zoom;
        int twips;
    };
    const Case cases[] = {
        {0.0, 1, 0},
        {0.4, 1, 0},
        {0.6, 1, 0},
        {111.6, 1, 111 * 15},
        {111.999, 1, 111 * 15},
        {112.0, 1, 112 * 15},
        {-0.4, 1, -15},
        {-1.0, 1, -15},
        {-1.01, 1, -30},
        {223.6, 2, 111 * 15},
        {224.0, 2, 112 * 15},
        {-0.4, 2, -15},
        {335.9, 3, 111 * 15},
        {336.0, 3, 112 * 15},
    };
    for (const Case& c : cases) {
        const QPoint twips = mj::qt::twipsAt(QPointF(c.at, c.at), c.zoom);
        EXPECT_EQ(twips, QPoint(c.twips, c.twips)) << c.at << " at zoom " << c.zoom;
    }
    // Far outside stays outside, without overflow.
    const QPoint far = mj::qt::twipsAt(QPointF(1e12, -1e12), 1);
    EXPECT_GT(far.x(), mj::Frmmahjongg::ClientWidth);
    EXPECT_LT(far.y(), 0);
}

} // namespace
