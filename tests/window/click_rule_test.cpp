#include "script/dump.h"
#include "window/click_rule.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace {

using mj::ButtonId;
using mj::ControlKind;
using mj::ControlRef;
using mj::EventResult;
using Kind = EventResult::Kind;

// The idle board of a freshly loaded window.
struct ClickRule : ::testing::Test {
    mj::MinimalStandard rng;
    mj::Frmmahjongg w{rng};
    ClickRule() { w.Form_Load(); }

    static std::pair<int, int> centreOf(const mj::Rect& r) {
        return {r.Left + r.Width / 2, r.Top + r.Height / 2};
    }
    EventResult clickCentre(const mj::Rect& r) {
        const auto [x, y] = centreOf(r);
        return mj::clickAt(w, x, y);
    }
};

// The client area is 784 x 593 pixels of 15 twips, from (0, 0).
TEST(ClientArea, EndsAtItsLastTwipOnEachSide) {
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {0, 0, true},   {11759, 8894, true}, {-1, 0, false},
        {0, -1, false}, {11760, 0, false},   {0, 8895, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mj::inClientArea(c.x, c.y), c.inside) << c.x << ", " << c.y;
}

TEST_F(ClickRule, TheTopmostShownControlTakesTheClick) {
    struct Case {
        const char* what;
        int x, y;
        std::optional<ControlRef> expected;
    };
    const Case cases[] = {
        {"green background", 75, 2250, std::nullopt},
        {"an upper tile", 1440, 2220, ControlRef{ControlKind::Tile, 75}},
        // The upper right edge piece of slot 76 lies over the right part of lower tile 1.
        {"upper edge piece over a lower tile", 2190, 2100, ControlRef{ControlKind::RightEdge, 76}},
        {"upper corner piece over a lower tile", 2170, 2530,
         ControlRef{ControlKind::CornerPiece, 145}},
        {"the shown start button", 5800, 7100,
         ControlRef{ControlKind::Button, static_cast<int>(ButtonId::Cmdstart)}},
        {"a hidden button's place", 3000, 8500, std::nullopt},
        {"the title", 3000, 500,
         ControlRef{ControlKind::Label, static_cast<int>(mj::LabelId::Lblots)}},
        {"the red line", 6000, 7680, ControlRef{ControlKind::Line, 0}},
        {"a hidden label's place", 1500, 6500, std::nullopt},
        {"right of the client area", 11760, 100, std::nullopt},
        {"below the client area", 100, 8895, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mj::controlAt(w, c.x, c.y), c.expected) << c.what;
}

TEST_F(ClickRule, OnlyAButtonOrAnEnabledTileActs) {
    // Every upper tile is disabled on the idle board: a click on one reaches nothing, although
    // the lower tile beneath it is enabled.
    ASSERT_TRUE(w.Imgtile1[0].Enabled);
    EXPECT_EQ(clickCentre(w.Imgtile1[75]), EventResult{});
    EXPECT_EQ(mj::clickAt(w, 2190, 2100), EventResult{}); // edge piece over lower tile 1
    EXPECT_EQ(mj::clickAt(w, 75, 2250), EventResult{});

    w.Imgtile1[75].Enabled = true;
    EXPECT_EQ(clickCentre(w.Imgtile1[75]), (EventResult{Kind::Tile, 75}));
    EXPECT_EQ(clickCentre(w.Cmdstart),
              (EventResult{Kind::Button, static_cast<int>(ButtonId::Cmdstart)}));
}

TEST_F(ClickRule, AnUncoveredEnabledLowerTileTakesItsOwnClick) {
    w.Imgtile1[75].Visible = false;
    EXPECT_EQ(clickCentre(w.Imgtile1[0]), (EventResult{Kind::Tile, 0}));
    // Still covered where upper tile 76 lies over it.
    EXPECT_EQ(mj::clickAt(w, 1700, 2300), EventResult{});
    w.Imgtile1[0].Enabled = false;
    EXPECT_EQ(clickCentre(w.Imgtile1[0]), EventResult{});
}

TEST_F(ClickRule, ThePausePictureShieldsTheBoardButNotTheButtons) {
    w.Imgtile1[75].Enabled = true;
    w.Imgpause.Left = 120;
    w.Imgpause.Top = 1800;
    w.Imgpause.Visible = true;
    w.Cmdquit.Visible = true;
    EXPECT_EQ(mj::controlAt(w, 1440, 2220), (ControlRef{ControlKind::Pause, 0}));
    EXPECT_EQ(clickCentre(w.Imgtile1[75]), EventResult{});
    EXPECT_EQ(clickCentre(w.Cmdquit),
              (EventResult{Kind::Button, static_cast<int>(ButtonId::Cmdquit)}));
}

TEST_F(ClickRule, ASmallCapStillTakesItsPiecesWholeSquare) {
    // A 7 x 8 cap on an 8 x 8 piece: the piece's rectangle, not its picture, takes the click.
    w.Imgvvak[129].Picture = w.Imgvarjo1[mj::board::kWhiteSideCap].Picture;
    w.Imgvvak[129].Visible = true;
    const mj::Image& piece = w.Imgvvak[129];
    EXPECT_EQ(mj::controlAt(w, piece.Left + piece.Width - 1, piece.Top),
              (ControlRef{ControlKind::CornerPiece, 129}));
}

// Each button in the state in which the game shows it, and what shows that its handler ran.
struct ButtonCase {
    ButtonId id;
    void (*reach)(mj::Frmmahjongg&);
    bool (*ran)(const mj::Frmmahjongg&);
};

void idle(mj::Frmmahjongg&) {}
void playing(mj::Frmmahjongg& w) {
    w.Cmdstart_Click();
}
// The last pair is gone: the board empty and the countdown stopped.
void gameOver(mj::Frmmahjongg& w) {
    w.Cmdstart_Click();
    for (const std::span<mj::Image> images :
         {std::span<mj::Image>(w.Imgtile1), std::span<mj::Image>(w.Imgpr),
          std::span<mj::Image>(w.Imgvar), std::span<mj::Image>(w.Imgvvak)})
        for (mj::Image& image : images)
            image.Visible = false;
    w.tilesleft = 0;
    w.Tmr2.setEnabled(false);
    w.peliloppu();
}

const ButtonCase kButtonCases[] = {
    {ButtonId::Cmdstart, idle, [](const mj::Frmmahjongg& w) { return w.Cmdquit.Visible; }},
    {ButtonId::Cmdquit, playing, [](const mj::Frmmahjongg& w) { return w.Cmdstart.Visible; }},
    {ButtonId::Cmdpause, playing, [](const mj::Frmmahjongg& w) { return w.paused == 1; }},
    {ButtonId::Cmdnew, gameOver, [](const mj::Frmmahjongg& w) { return w.Cmdstart.Visible; }},
};

// However a click reaches a button, a queued one among them, only a shown and enabled button
// acts on it; any other leaves the window as it was.
TEST(ButtonClicks, OnlyAShownEnabledButtonRunsItsHandler) {
    enum class State { Hidden, Disabled, Ready };
    for (const ButtonCase& c : kButtonCases)
        for (const State state : {State::Hidden, State::Disabled, State::Ready}) {
            SCOPED_TRACE(std::string(mj::buttonName(c.id)) + " " +
                         (state == State::Hidden     ? "hidden"
                          : state == State::Disabled ? "disabled"
                                                     : "shown and enabled"));
            mj::MinimalStandard rng;
            mj::Frmmahjongg w(rng);
            w.Form_Load();
            c.reach(w);
            mj::Button& button = w.button(c.id);
            ASSERT_TRUE(button.Visible && button.Enabled);
            ASSERT_FALSE(c.ran(w));
            button.Visible = state != State::Hidden;
            button.Enabled = state != State::Disabled;
            const std::string before = mj::dump(w, 0);
            const EventResult result = mj::clickButton(w, c.id);
            if (state == State::Ready) {
                EXPECT_EQ(result, (EventResult{Kind::Button, static_cast<int>(c.id)}));
                EXPECT_TRUE(c.ran(w));
            } else {
                EXPECT_EQ(result, EventResult{});
                EXPECT_EQ(mj::dump(w, 0), before);
            }
        }
}

// A disabled button still lies on top where it is shown: a mouse click there reaches nothing
// beneath it, and neither the click nor its mnemonic runs it.
TEST(ButtonClicks, ADisabledShownButtonTakesTheClickAndDoesNothing) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(mj::buttonName(c.id));
        mj::MinimalStandard rng;
        mj::Frmmahjongg w(rng);
        w.Form_Load();
        c.reach(w);
        mj::Button& button = w.button(c.id);
        button.Enabled = false;
        const std::string before = mj::dump(w, 0);
        const int x = button.Left + button.Width / 2, y = button.Top + button.Height / 2;
        EXPECT_EQ(mj::controlAt(w, x, y),
                  (ControlRef{ControlKind::Button, static_cast<int>(c.id)}));
        EXPECT_EQ(mj::clickAt(w, x, y), EventResult{});
        EXPECT_EQ(mj::pressMnemonic(w, button.mnemonic()), EventResult{});
        EXPECT_EQ(mj::dump(w, 0), before);
    }
}

TEST(Mnemonics, ClickOnlyShownButtons) {
    using Shown = std::initializer_list<ButtonId>;
    struct Case {
        Shown shown;
        char letter;
        EventResult expected;
    };
    auto button = [](ButtonId id) { return EventResult{Kind::Button, static_cast<int>(id)}; };
    const Shown idle{ButtonId::Cmdstart}, playing{ButtonId::Cmdquit, ButtonId::Cmdpause},
        over{ButtonId::Cmdnew};
    const Case cases[] = {
        {idle, 'S', button(ButtonId::Cmdstart)},
        {idle, 's', button(ButtonId::Cmdstart)},
        {idle, 'Q', {}},
        {idle, 'P', {}},
        {idle, 'N', {}},
        {idle, 'X', {}},
        {playing, 'q', button(ButtonId::Cmdquit)},
        {playing, 'P', button(ButtonId::Cmdpause)},
        {playing, 'S', {}},
        {over, 'n', button(ButtonId::Cmdnew)},
        {over, 'S', {}},
    };
    for (const Case& c : cases) {
        mj::MinimalStandard rng;
        mj::Frmmahjongg w(rng);
        for (int b = 0; b < mj::kButtons; ++b)
            w.button(static_cast<ButtonId>(b)).Visible = false;
        for (const ButtonId id : c.shown)
            w.button(id).Visible = true;
        EXPECT_EQ(mj::pressMnemonic(w, c.letter), c.expected) << c.letter;
    }
}

} // namespace
