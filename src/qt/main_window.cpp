#include "qt/main_window.h"

#include "qt/pointer_buttons.h"
#include "qt/zoom.h"
#include "window/timer_delivery.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <chrono>

namespace mj::qt {

namespace {

// The button shown in the place of one that is hidden: the deal shows Pause where Start was,
// Quit and New game bring Start back, and the game end shows New game.
ButtonId heirOf(ButtonId id) {
    switch (id) {
    case ButtonId::Cmdstart:
        return ButtonId::Cmdpause;
    case ButtonId::Cmdpause:
        return ButtonId::Cmdnew;
    case ButtonId::Cmdquit:
    case ButtonId::Cmdnew:
        break;
    }
    return ButtonId::Cmdstart;
}

std::array<ButtonId, kButtons> tabOrder(const Frmmahjongg& game) {
    std::array<ButtonId, kButtons> order{};
    for (int b = 0; b < kButtons; ++b)
        order[static_cast<std::size_t>(b)] = static_cast<ButtonId>(b);
    std::ranges::sort(order, {}, [&game](ButtonId id) { return game.button(id).TabIndex; });
    return order;
}

QMargins frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The screen that holds the centre of the window's frame, if any. A platform that tells no
// window its position (Wayland) tells which screen the window is on instead.
const QScreen* screenHolding(const QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return window.screen();
    return QGuiApplication::screenAt(window.frameGeometry().center());
}

} // namespace

std::int64_t MainWindow::steadyClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

MainWindow::MainWindow(MonotonicClock clock)
    : game_(random_), pictures_(game_.pictures),
      canvas_(new Canvas(
          game_, pictures_, [this](int x, int y) { click(x, y); }, this)),
      clock_(std::move(clock)) {
    setWindowTitle(QString::fromUtf8(Frmmahjongg::Caption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon-16.png"), QSize(16, 16));
    setWindowIcon(icon);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0x00, 0xFF, 0x00));
    setPalette(green);
    setAutoFillBackground(true);
    canvas_->move(0, 0);

    // Tab and Shift+Tab move among the shown buttons in their tab order.
    const std::array<ButtonId, kButtons> order = tabOrder(game_);
    for (const ButtonId id : order) {
        auto* push = new PushButton(game_.button(id), buttonCaptions(id), this);
        connect(push, &QPushButton::clicked, this, [this, id] { pressButton(id); });
        buttons_[static_cast<std::size_t>(id)] = push;
    }
    for (std::size_t b = 1; b < order.size(); ++b)
        setTabOrder(&button(order[b - 1]), &button(order[b]));
    for (int t = 0; t < kTimers; ++t) {
        const auto id = static_cast<TimerId>(t);
        if (id == TimerId::Tmr1)
            continue;
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromUtf8(timerName(id)));
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { tick(id); });
        timers_[static_cast<std::size_t>(t)] = timer;
    }
    moveEnd_.setSingleShot(true);
    moveEnd_.setInterval(kMoveEndsAfterMs);
    connect(&moveEnd_, &QTimer::timeout, this, &MainWindow::followScreen);

    game_.Form_Load();
    shown_ = ViewState::of(game_);
    showButtons();
    afterEvent();
    button(ButtonId::Cmdstart).setFocus();

    resize(canvas_->size());
    if (QScreen* screen = screenForNewWindow()) {
        setScreen(screen);
        placeOnScreen(*screen, QMargins());
    }
}

void MainWindow::placeOnScreen(const QScreen& screen, const QMargins& frame) {
    const Placement placement = placeWindow(screen.availableGeometry(), frame, screenScale(screen));
    placedFor_ = frame;
    place(placement, frame);
}

void MainWindow::place(const Placement& placement, const QMargins& frame) {
    setZoom(placement.zoom);
    if (!windowHandle()) {
        // Not on the screen yet: placed by its frame, so that the window manager, framing it,
        // moves the window inside the frame and the window hears of the frame at once.
        resize(canvas_->size());
        move(placement.topLeft);
        return;
    }
    setGeometry(QRect(placement.topLeft + QPoint(frame.left(), frame.top()), canvas_->size()));
}

void MainWindow::followSoon() {
    if (shownBefore_)
        moveEnd_.start();
}

void MainWindow::followScreen() {
    if (aMouseButtonIsHeld()) { // the drag goes on
        moveEnd_.start();
        return;
    }
    const QScreen* screen = screenHolding(*this);
    if (!screen)
        return;
    const QMargins frame = frameOf(*this);
    const Placement placement = placeOnNewScreen(screen->availableGeometry(), frame,
                                                 screenScale(*screen), frameGeometry().center());
    if (placement.zoom != zoom())
        place(placement, frame);
}

void MainWindow::setZoom(int zoom) {
    if (zoom == canvas_->zoom())
        return;
    canvas_->setZoom(zoom);
    for (PushButton* push : buttons_)
        push->setZoom(zoom);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownBefore_) {
        noticeFrame();
        return;
    }
    shownBefore_ = true;
    const QMargins frame = frameOf(*this);
    // A frame there already is the window manager's; else it comes once the window is on the
    // screen, and the window is placed again for it then.
    frameKnown_ = !frame.isNull();
    if (const QScreen* screen = this->screen())
        placeOnScreen(*screen, frame);
    // Where the platform tells of no moves, a change of screen is one.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::followSoon);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    noticeFrame();
    followSoon();
}

void MainWindow::noticeFrame() {
    if (!shownBefore_ || frameKnown_ || frameOf(*this) == placedFor_)
        return;
    frameKnown_ = true;
    if (const QScreen* screen = this->screen())
        placeOnScreen(*screen, frameOf(*this));
}

void MainWindow::afterEvent() {
    watch_.sync(game_, [this](TimerId id, TimerWatch::Change change) { switchTimer(id, change); });
    const ViewState::Changes changes = shown_.refresh(game_);
    for (const Rect& area : changes.areas)
        canvas_->update(canvas_->pixelRect(area));
    if (changes.buttons)
        showButtons();
}

void MainWindow::switchTimer(TimerId id, TimerWatch::Change change) {
    const bool started = change == TimerWatch::Change::Started;
    if (id == TimerId::Tmr1) {
        if (started)
            tmr1_.start(clock_(), game_.Tmr1.Interval());
        else
            tmr1_.stop();
    } else if (started) {
        timers_[static_cast<std::size_t>(id)]->start(game_.timer(id).Interval());
    } else {
        timers_[static_cast<std::size_t>(id)]->stop();
    }
}

void MainWindow::catchUpTmr1() {
    if (const std::int64_t due = tmr1_.take(clock_()); due > 0)
        deliverTmr1Ticks(game_, due);
}

void MainWindow::showButtons() {
    // The newly shown buttons first, so that the focus can pass to one of them.
    for (int b = 0; b < kButtons; ++b) {
        const Button& model = game_.button(static_cast<ButtonId>(b));
        QPushButton* push = buttons_[static_cast<std::size_t>(b)];
        push->setText(QString::fromStdString(model.Caption));
        if (model.Visible)
            push->show();
    }
    passFocusOn();
    for (int b = 0; b < kButtons; ++b)
        if (!game_.button(static_cast<ButtonId>(b)).Visible)
            buttons_[static_cast<std::size_t>(b)]->hide();
}

void MainWindow::passFocusOn() {
    const auto focused = std::ranges::find(buttons_, focusWidget());
    if (focused == buttons_.end())
        return;
    const auto id = static_cast<ButtonId>(focused - buttons_.begin());
    if (game_.button(id).Visible)
        return;
    // Where that one stays hidden too, the first shown button in tab order.
    std::array<ButtonId, kButtons + 1> candidates{heirOf(id)};
    std::ranges::copy(tabOrder(game_), candidates.begin() + 1);
    for (const ButtonId heir : candidates)
        if (game_.button(heir).Visible) {
            button(heir).setFocus();
            return;
        }
}

void MainWindow::click(int x, int y) {
    catchUpTmr1();
    const EventResult result = clickAt(game_, x, y);
    afterEvent();
    emit eventRan(result);
}

void MainWindow::pressButton(ButtonId id) {
    catchUpTmr1();
    const EventResult result = clickButton(game_, id);
    afterEvent();
    emit eventRan(result);
}

void MainWindow::tick(TimerId id) {
    catchUpTmr1();
    deliverTick(game_, id);
    afterEvent();
}

} // namespace mj::qt
