#include "qt/zoom.h"

#include <gtest/gtest.h>

namespace {

using mj::qt::Placement;
using mj::qt::placeWindow;

// A frame with a title bar: the window at zoom k takes 784k + 8 by 593k + 34 pixels.
const QMargins kFrame(4, 30, 4, 4);

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
        {"2560x1440 at 125%", {0, 0, 2560, 1440}, 1.25, {2, {492, 110}}},
        {"a scale a hair above 2", {0, 0, 3840, 2160}, 2.0 + 1e-9, {2, {1132, 470}}},
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

} // namespace
