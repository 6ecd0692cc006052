// The game's window on the screen: the canvas, the four push buttons and the timers, over
// the window object that decides everything the player sees.
#pragma once

#include "platform/tick_catch_up.h"
#include "platform/timer_watch.h"
#include "qt/canvas.h"
#include "qt/pictures.h"
#include "qt/push_button.h"
#include "window/click_rule.h"
#include "window/view_state.h"

#include <QMargins>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

namespace mj::qt {

struct Placement;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Milliseconds on a clock that never goes back; the window counts the ticks of its
    // fastest timer on it.
    using MonotonicClock = std::function<std::int64_t()>;
    static std::int64_t steadyClockMs();

    // Creates the window object and runs its load event, and places the window on the screen
    // a new window opens on; the window is not shown yet.
    explicit MainWindow(MonotonicClock clock = steadyClockMs);

    const Frmmahjongg& game() const { return game_; }
    Frmmahjongg& game() { return game_; }
    const MinimalStandard& randomSource() const { return random_; }
    Canvas& canvas() { return *canvas_; }
    const Canvas& canvas() const { return *canvas_; }
    QPushButton& button(ButtonId id) { return *buttons_[static_cast<std::size_t>(id)]; }
    // How many device pixels each side of a layout pixel takes.
    int zoom() const { return canvas_->zoom(); }

    // After every event: starts and stops the timers the handlers switched, and repaints
    // what changed on the screen.
    void afterEvent();

    // Whether the window waits for a move to end, to take the zoom of the screen it ends on.
    bool followingAMove() const { return moveEnd_.isActive(); }
    // How long the window must stay where it was put before the move counts as ended.
    static constexpr int kMoveEndsAfterMs = 150;

  signals:
    // What each click or key reached: a button's handler, a tile's or nothing.
    void eventRan(mj::EventResult result);

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void click(int x, int y);
    void tick(TimerId id);
    void pressButton(ButtonId id);
    void showButtons();
    // Where the focused button is hidden, the button shown in its place takes the focus.
    void passFocusOn();
    // Chooses the zoom and the position on a screen for a frame of these margins.
    void placeOnScreen(const QScreen& screen, const QMargins& frame);
    // The zoom, and the position of the frame, in one step: the window manager never sees the
    // window at its new size in its old place, where its centre may lie on another screen.
    void place(const Placement& placement, const QMargins& frame);
    // The window is placed once more when the window manager's frame first shows up, at a move
    // or when it is shown again, and never after.
    void noticeFrame();
    // Put on a screen whose zoom differs, the window takes that screen's zoom, once the move
    // has ended: when the window has stayed put for a moment and no mouse button is held (a
    // drag of the title bar holds one). The screen is the one that holds the window's centre
    // then, not one it passed on the way; where the centre lies on no screen, the window
    // stays as it is.
    void followSoon();
    void followScreen();
    void setZoom(int zoom);
    // Tmr1 never wakes the program: just before any other event, every Tmr1 tick that fell
    // due since the last one is delivered, counted on a monotonic clock.
    void catchUpTmr1();
    void switchTimer(TimerId id, TimerWatch::Change change);

    MinimalStandard random_;
    Frmmahjongg game_;
    Pictures pictures_;
    Canvas* canvas_;
    std::array<PushButton*, kButtons> buttons_{};
    // Tmr2 to Tmr5, named after them; Tmr1 has none.
    std::array<QTimer*, kTimers> timers_{};
    QTimer moveEnd_; // runs from a move until it has ended
    MonotonicClock clock_;
    TickCatchUp tmr1_;
    TimerWatch watch_;
    ViewState shown_;    // what the screen shows, or is about to once the canvas repaints
    QMargins placedFor_; // the frame the window was last placed for
    bool shownBefore_ = false;
    bool frameKnown_ = false; // placed for the window manager's frame
};

} // namespace mj::qt
