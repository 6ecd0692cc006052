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

namespace mj::qt {

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Creates the window object and runs its load event; the window is not shown yet.
    MainWindow();

    const Frmmahjongg& game() const { return game_; }
    Frmmahjongg& game() { return game_; }
    Canvas& canvas() { return *canvas_; }
    const Canvas& canvas() const { return *canvas_; }
    QPushButton& button(ButtonId id) { return *buttons_[static_cast<std::size_t>(id)]; }
    // How many device pixels each side of a layout pixel takes.
    int zoom() const { return canvas_->zoom(); }

    // After every event: starts and stops the timers the handlers switched, and repaints
    // what changed on the screen.
    void afterEvent();

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
    // Chooses the zoom and the position for the window's screen and a frame of these margins.
    void placeOnScreen(const QMargins& frame);
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
    std::array<QTimer, kTimers> timers_; // Tmr1's is never started
    TickCatchUp tmr1_;
    TimerWatch watch_;
    ViewState shown_;    // what the screen shows, or is about to once the canvas repaints
    QMargins placedFor_; // the frame the window was last placed for
    bool shownBefore_ = false;
    bool frameKnown_ = false;
};

} // namespace mj::qt
