// The game's window on the screen: the canvas, the four push buttons and the timers, over
// the window object that decides everything the player sees.
#pragma once

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
    QPushButton& button(ButtonId id) { return *buttons_[static_cast<std::size_t>(id)]; }
    // How many device pixels each side of a layout pixel takes.
    int zoom() const { return canvas_->zoom(); }

    // After every event: starts and stops the Qt timers the handlers switched, and repaints
    // once if anything on the screen changed.
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

    MinimalStandard random_;
    Frmmahjongg game_;
    Pictures pictures_;
    Canvas* canvas_;
    std::array<PushButton*, kButtons> buttons_{};
    std::array<QTimer, kTimers> timers_;
    TimerWatch watch_;
    ViewState shown_;    // what the screen shows
    ViewState now_;      // what it should show, refreshed after every event
    QMargins placedFor_; // the frame the window was last placed for
    bool shownBefore_ = false;
    bool frameKnown_ = false;
};

} // namespace mj::qt
