#include "window/timer_delivery.h"
#include "window/view_state.h"

#include <gtest/gtest.h>

namespace {

struct ViewStateTest : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    ViewStateTest() { w.Form_Load(); }
};

// The front end repaints only where the view state changes, so it must notice every change
// the player could see and none the player could not, and tell where each one shows.
TEST_F(ViewStateTest, ChangesExactlyWithWhatShows) {
    const mj::ViewState idle = mj::ViewState::of(w);
    for (int i = 0; i < 100; ++i)
        mj::deliverTick(w, mj::TimerId::Tmr1);
    EXPECT_EQ(mj::ViewState::of(w), idle) << "a Tmr1 tick draws a value nobody sees";
    w.Imgtile1[0].Enabled = false;
    w.Lblscore2.Caption = " 5";
    w.Imgtmalli[3].Picture = w.Imgtmalli[4].Picture;
    w.Imgtile1[150].Left = 100;
    EXPECT_EQ(mj::ViewState::of(w), idle)
        << "a side-free flag, a hidden label's caption and a hidden image do not show";
    mj::ViewState refreshed = idle;
    const mj::ViewState::Changes none = refreshed.refresh(w);
    EXPECT_TRUE(none.areas.empty() && !none.buttons);

    using Areas = std::vector<mj::Rect>;
    struct Change {
        const char* what;
        void (*apply)(mj::Frmmahjongg&);
        Areas (*areas)(const mj::Frmmahjongg&); // where it shows, from the window before it
        bool button = false;
    };
    const Change changes[] = {
        {"a tile's face",
         [](mj::Frmmahjongg& g) { g.Imgtile1[80].Picture = g.Imgtmalli[90].Picture; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Imgtile1[80]}; }},
        {"a tile hidden", [](mj::Frmmahjongg& g) { g.Imgtile1[80].Visible = false; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Imgtile1[80]}; }},
        {"a corner piece's cap",
         [](mj::Frmmahjongg& g) { g.Imgvvak[1].Picture = g.Imgvarjo1[3].Picture; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Imgvvak[1]}; }},
        {"an edge piece hidden", [](mj::Frmmahjongg& g) { g.Imgpr[1].Visible = false; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Imgpr[1]}; }},
        {"the pause picture moved", [](mj::Frmmahjongg& g) { g.Imgpause.Left = 120; },
         [](const mj::Frmmahjongg& g) {
             mj::Rect moved = g.Imgpause;
             moved.Left = 120;
             return Areas{g.Imgpause, moved};
         }},
        {"the spare tile shown", [](mj::Frmmahjongg& g) { g.Imgtile1[150].Visible = true; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Imgtile1[150]}; }},
        {"a caption", [](mj::Frmmahjongg& g) { g.Lblgame.Caption = "Game"; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Lblgame}; }},
        {"a label shown", [](mj::Frmmahjongg& g) { g.Lblscore1.Visible = true; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Lblscore1}; }},
        {"the line hidden", [](mj::Frmmahjongg& g) { g.Line1.Visible = false; },
         [](const mj::Frmmahjongg& g) { return Areas{g.Line1.bounds()}; }},
        // Buttons show, but they are widgets that repaint themselves.
        {"a button hidden", [](mj::Frmmahjongg& g) { g.Cmdstart.Visible = false; },
         [](const mj::Frmmahjongg&) { return Areas{}; }, true},
        {"a button's caption", [](mj::Frmmahjongg& g) { g.Cmdpause.Caption = "&Pause off"; },
         [](const mj::Frmmahjongg&) { return Areas{}; }, true},
    };
    for (const Change& c : changes) {
        mj::MinimalStandard fresh;
        mj::Frmmahjongg g(fresh);
        g.Form_Load();
        g.Imgpause.Visible = true;
        const mj::ViewState before = mj::ViewState::of(g);
        const Areas expected = c.areas(g);
        c.apply(g);
        EXPECT_NE(mj::ViewState::of(g), before) << c.what;
        mj::ViewState state = before;
        const mj::ViewState::Changes found = state.refresh(g);
        EXPECT_EQ(found.areas, expected) << c.what;
        EXPECT_EQ(found.buttons, c.button) << c.what;
        EXPECT_EQ(state, mj::ViewState::of(g)) << c.what << ": refreshed";
    }
}

} // namespace
