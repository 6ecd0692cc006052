// The game's window on the screen: the canvas, the four push buttons and the timers, over
// the window object that decides everything the player sees.
#pragma once

#include "platform/tick_catch_up.h"
#include "platform/timer_watch.h"
#include "qt/canvas.h"
#include "qt/pictures.h"
#include "window/click_rule.h"
#include "window/view_state.h"

#include <QPushButton>
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
    QPushButton& button(ButtonId id) { return *buttons_[static_cast<std::size_t>(id)]; }

    // After every event: starts and stops the timers the handlers switched, and repaints
    // what changed on the screen.
    void afterEvent();

  signals:
    // What each click or key reached: a button's handler, a tile's or nothing.
    void eventRan(mj::EventResult result);

  private:
    void click(int x, int y);
    void tick(TimerId id);
    void pressButton(ButtonId id);
    void showButtons();
    // Tmr1 never wakes the program: just before any other event, every Tmr1 tick that fell
    // due since the last one is delivered, counted on a monotonic clock.
    void catchUpTmr1();
    void switchTimer(TimerId id, TimerWatch::Change change);

    MinimalStandard random_;
    Frmmahjongg game_;
    Pictures pictures_;
    Canvas* canvas_;
    std::array<QPushButton*, kButtons> buttons_{};
    std::array<QTimer, kTimers> timers_; // Tmr1's is never started
    TickCatchUp tmr1_;
    TimerWatch watch_;
    ViewState shown_; // what the screen shows, or is about to once the canvas repaints
};

} // namespace mj::qt
