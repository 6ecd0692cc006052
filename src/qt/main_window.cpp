#include "qt/main_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QScreen>

#include <chrono>

namespace mj::qt {

namespace {

// A caption too wide for its button is set in a smaller size of the button font.
void fitCaption(QPushButton& push) {
    QFont font = QApplication::font(&push);
    QString text = push.text();
    text.remove(QLatin1Char('&'));
    const int room = push.width() - 8;
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    push.setFont(font);
}

QString styleFor(const Button& b) {
    const QString face = QColor(b.BackColor.r, b.BackColor.g, b.BackColor.b).name();
    return QStringLiteral("QPushButton { background-color: %1; color: black;"
                          " border: 2px outset %1; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: black; }")
        .arg(face);
}

std::int64_t monotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

MainWindow::MainWindow()
    : game_(random_), pictures_(game_.pictures),
      canvas_(new Canvas(
          game_, pictures_, [this](int x, int y) { click(x, y); }, this)) {
    setWindowTitle(QString::fromUtf8(Frmmahjongg::Caption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon-16.png"), QSize(16, 16));
    setWindowIcon(icon);
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0x00, 0xFF, 0x00));
    setPalette(green);
    setAutoFillBackground(true);
    resize(Frmmahjongg::ClientWidth / kTwipsPerPixel, Frmmahjongg::ClientHeight / kTwipsPerPixel);
    canvas_->move(0, 0);

    // Buttons in tab order: Start, Quit, Pause, New game.
    for (const ButtonId id :
         {ButtonId::Cmdstart, ButtonId::Cmdquit, ButtonId::Cmdpause, ButtonId::Cmdnew}) {
        const Button& b = game_.button(id);
        auto* push = new QPushButton(QString::fromStdString(b.Caption), this);
        push->setGeometry(b.Left / kTwipsPerPixel, b.Top / kTwipsPerPixel, b.Width / kTwipsPerPixel,
                          b.Height / kTwipsPerPixel);
        push->setStyleSheet(styleFor(b));
        push->setFocusPolicy(Qt::StrongFocus);
        push->setAutoDefault(false);
        fitCaption(*push);
        connect(push, &QPushButton::clicked, this, [this, id] { pressButton(id); });
        buttons_[static_cast<std::size_t>(id)] = push;
    }
    for (int t = 0; t < kTimers; ++t) {
        const auto id = static_cast<TimerId>(t);
        QTimer& timer = timers_[static_cast<std::size_t>(t)];
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this, id] { tick(id); });
    }

    game_.Form_Load();
    shown_ = ViewState::of(game_);
    showButtons();
    afterEvent();
    button(ButtonId::Cmdstart).setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::afterEvent() {
    watch_.sync(game_, [this](TimerId id, TimerWatch::Change change) { switchTimer(id, change); });
    const ViewState::Changes changes = shown_.refresh(game_);
    for (const Rect& area : changes.areas)
        canvas_->update(Canvas::pixelRect(area));
    if (changes.buttons)
        showButtons();
}

void MainWindow::switchTimer(TimerId id, TimerWatch::Change change) {
    const bool started = change == TimerWatch::Change::Started;
    if (id == TimerId::Tmr1) {
        if (started)
            tmr1_.start(monotonicMs(), game_.Tmr1.Interval());
        else
            tmr1_.stop();
    } else if (started) {
        timers_[static_cast<std::size_t>(id)].start(game_.timer(id).Interval());
    } else {
        timers_[static_cast<std::size_t>(id)].stop();
    }
}

void MainWindow::catchUpTmr1() {
    if (const std::int64_t due = tmr1_.take(monotonicMs()); due > 0)
        deliverTmr1Ticks(game_, due);
}

void MainWindow::showButtons() {
    for (int b = 0; b < kButtons; ++b) {
        const Button& model = game_.button(static_cast<ButtonId>(b));
        QPushButton* push = buttons_[static_cast<std::size_t>(b)];
        const QString caption = QString::fromStdString(model.Caption);
        if (push->text() != caption) {
            push->setText(caption);
            fitCaption(*push);
        }
        push->setVisible(model.Visible);
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
