#include "qt/push_button.h"

#include "qt/device_pixels.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>

#include <cmath>

namespace mj::qt {

namespace {

QString styleFor(Color face, int zoom) {
    const QString colour = QColor(face.r, face.g, face.b).name();
    // No outline: the style's focus rectangle would tint the whole face.
    return QStringLiteral("QPushButton { background-color: %1; color: black;"
                          " border: %2px outset %1; outline: none; }"
                          "QPushButton:pressed { border-style: inset; }"
                          "QPushButton:focus { border-color: black; }")
        .arg(colour)
        .arg(2 * zoom);
}

// The default button font in pixels, as a plain 96 dpi screen sets it, times the zoom.
int defaultPixelSize(const QFont& font, int zoom) {
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72;
    return static_cast<int>(std::lround(pixels)) * zoom;
}

} // namespace

PushButton::PushButton(const Button& design, std::span<const char* const> captions, QWidget* parent)
    : QPushButton(QString::fromStdString(design.Caption), parent), rect_(design),
      face_(design.BackColor) {
    for (const char* caption : captions)
        captions_.append(QString::fromUtf8(caption));
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setZoom(1);
}

void PushButton::setZoom(int zoom) {
    setGeometry(deviceRect(rect_, zoom));
    setStyleSheet(styleFor(face_, zoom));
    // Every caption of the button in one size, so that none jumps when the caption changes;
    // a caption too wide for the button is set in a smaller size.
    QFont font = QApplication::font(this);
    font.setPixelSize(defaultPixelSize(font, zoom));
    const int room = width() - 8 * zoom;
    auto widest = [&font, this] {
        int most = 0;
        for (QString caption : captions_)
            most = std::max(most,
                            QFontMetrics(font).horizontalAdvance(caption.remove(QLatin1Char('&'))));
        return most;
    };
    while (font.pixelSize() > 8 * zoom && widest() > room)
        font.setPixelSize(font.pixelSize() - 1);
    setFont(font);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace mj::qt
