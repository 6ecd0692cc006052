#include "qt/main_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QScreen>

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
    watch_.sync(game_, [this](TimerId id, TimerWatch::Change change) {
        QTimer& timer = timers_[static_cast<std::size_t>(id)];
        if (change == TimerWatch::Change::Started)
            timer.start(game_.timer(id).Interval());
        else
            timer.stop();
    });
    now_.assign(game_);
    if (now_ == shown_)
        return;
    // Only the labels that changed need painting, unless an image or the line did.
    if (now_.images != shown_.images || now_.line != shown_.line) {
        canvas_->update();
    } else {
        for (int l = 0; l < kLabels; ++l)
            if (now_.labels[static_cast<std::size_t>(l)] !=
                shown_.labels[static_cast<std::size_t>(l)])
                canvas_->update(Canvas::pixelRect(game_.label(static_cast<LabelId>(l))));
    }
    const bool buttonsChanged = now_.buttons != shown_.buttons;
    std::swap(shown_, now_);
    if (buttonsChanged)
        showButtons();
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
    const EventResult result = clickAt(game_, x, y);
    afterEvent();
    emit eventRan(result);
}

void MainWindow::pressButton(ButtonId id) {
    const EventResult result = clickButton(game_, id);
    afterEvent();
    emit eventRan(result);
}

void MainWindow::tick(TimerId id) {
    deliverTick(game_, id);
    afterEvent();
}

} // namespace mj::qt
