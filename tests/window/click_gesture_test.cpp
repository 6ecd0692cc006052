#include "window/click_gesture.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    int x, y;
};

// The idle board of a freshly loaded window, with upper tiles 75 and 76 enabled.
struct ClickGesture : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    mj::ClickGesture gesture;
    ClickGesture() {
        w.Form_Load();
        w.Imgtile1[75].Enabled = true;
        w.Imgtile1[76].Enabled = true;
    }
    bool pressAndRelease(Point press, Point release) {
        gesture.press(w, press.x, press.y);
        return gesture.release(w, release.x, release.y);
    }
};

constexpr Point kTile75{1440, 2220}, kTile75Corner{1260, 1950}, kTile76{1900, 2220};
constexpr Point kGround{75, 2250}, kOtherGround{11700, 3000}, kStart{5800, 7100};

TEST_F(ClickGesture, APressAndAReleaseOverTheSameControlMakeAClick) {
    using mj::ControlKind;
    ASSERT_EQ(mj::controlAt(w, kTile75Corner.x, kTile75Corner.y),
              (mj::ControlRef{ControlKind::Tile, 75}));
    ASSERT_EQ(mj::controlAt(w, kTile76.x, kTile76.y), (mj::ControlRef{ControlKind::Tile, 76}));
    struct Case {
        const char* what;
        Point press, release;
        bool click;
    };
    const Case cases[] = {
        {"one point of a tile", kTile75, kTile75, true},
        {"two points of the same tile", kTile75, kTile75Corner, true},
        {"the start button", kStart, {kStart.x + 500, kStart.y}, true},
        {"the background twice", kGround, kOtherGround, true},
        {"from the background onto a free tile", kGround, kTile75, false},
        {"from a tile onto the background", kTile75, kGround, false},
        {"from one tile onto its neighbour", kTile75, kTile76, false},
        {"from a tile onto the start button", kTile75, kStart, false},
        {"from the background out of the client area", kGround, {-1, 2250}, false},
        {"from the background below the client area", {100, 8880}, {100, 8895}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pressAndRelease(c.press, c.release), c.click) << c.what;
}

TEST_F(ClickGesture, TheControlIsTheOneOnTopAtEachMoment) {
    // Tile 75 goes while the button is held: the release finds what lay beneath it.
    gesture.press(w, kTile75.x, kTile75.y);
    w.Imgtile1[75].Visible = false;
    EXPECT_NE(mj::controlAt(w, kTile75.x, kTile75.y), std::nullopt);
    EXPECT_FALSE(gesture.release(w, kTile75.x, kTile75.y));
}

TEST_F(ClickGesture, EachReleaseEndsItsPress) {
    EXPECT_FALSE(gesture.release(w, kTile75.x, kTile75.y)) << "a release without a press";
    // A double click: press, release, and a second press in place of its own.
    EXPECT_TRUE(pressAndRelease(kTile75, kTile75));
    EXPECT_FALSE(gesture.release(w, kTile75.x, kTile75.y)) << "a second release";
    EXPECT_TRUE(pressAndRelease(kTile75, kTile75));
}

} // namespace
