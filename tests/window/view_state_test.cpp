#include "window/click_rule.h"
#include "window/view_state.h"

#include <gtest/gtest.h>

namespace {

struct ViewStateTest : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    ViewStateTest() { w.Form_Load(); }
};

// The front end repaints only when the view state changes, so it must notice every change
// the player could see and none the player could not.
TEST_F(ViewStateTest, ChangesExactlyWithWhatShows) {
    const mj::ViewState idle = mj::ViewState::of(w);
    for (int i = 0; i < 100; ++i)
        mj::deliverTick(w, mj::TimerId::Tmr1);
    EXPECT_EQ(mj::ViewState::of(w), idle) << "a Tmr1 tick draws a value nobody sees";
    w.Imgtile1[0].Enabled = false;
    EXPECT_EQ(mj::ViewState::of(w), idle) << "a side-free flag does not show";

    struct Change {
        const char* what;
        void (*apply)(mj::Frmmahjongg&);
    };
    const Change changes[] = {
        {"a tile's face",
         [](mj::Frmmahjongg& g) { g.Imgtile1[80].Picture = g.Imgtmalli[90].Picture; }},
        {"a tile hidden", [](mj::Frmmahjongg& g) { g.Imgtile1[80].Visible = false; }},
        {"a corner piece's cap",
         [](mj::Frmmahjongg& g) { g.Imgvvak[1].Picture = g.Imgvarjo1[3].Picture; }},
        {"an edge piece hidden", [](mj::Frmmahjongg& g) { g.Imgpr[1].Visible = false; }},
        {"the pause picture moved", [](mj::Frmmahjongg& g) { g.Imgpause.Left = 120; }},
        {"a caption", [](mj::Frmmahjongg& g) { g.Lblscore2.Caption = " 5"; }},
        {"a label shown", [](mj::Frmmahjongg& g) { g.Lblscore1.Visible = true; }},
        {"a button hidden", [](mj::Frmmahjongg& g) { g.Cmdstart.Visible = false; }},
        {"a button's caption", [](mj::Frmmahjongg& g) { g.Cmdpause.Caption = "&Pause off"; }},
    };
    for (const Change& c : changes) {
        mj::MinimalStandard fresh;
        mj::Frmmahjongg g(fresh);
        g.Form_Load();
        g.Imgpause.Visible = true;
        const mj::ViewState before = mj::ViewState::of(g);
        c.apply(g);
        EXPECT_NE(mj::ViewState::of(g), before) << c.what;
    }
}

} // namespace
