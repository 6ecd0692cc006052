#include "qt/canvas.h"

#include "window/drawing_order.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace mj::qt {

namespace {

QColor toQColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

// Twips to the canvas's pixels.
int px(int twips) {
    return twips / kTwipsPerPixel;
}

Qt::Alignment toQt(Alignment a) {
    switch (a) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

Canvas::Canvas(const Frmmahjongg& window, const Pictures& pictures,
               std::function<void(int, int)> onClick, QWidget* parent)
    : QWidget(parent), window_(window), pictures_(pictures), onClick_(std::move(onClick)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setZoom(1);
}

void Canvas::setZoom(int zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setFixedSize(px(Frmmahjongg::ClientWidth) * zoom, px(Frmmahjongg::ClientHeight) * zoom);
    for (int l = 0; l < kLabels; ++l)
        fonts_[static_cast<std::size_t>(l)] =
            labelFont(window_.label(static_cast<LabelId>(l)).Font, zoom);
    update();
}

QRect Canvas::pixelRect(const Rect& r) const {
    return QRect(px(r.Left) * zoom_, px(r.Top) * zoom_, px(r.Width) * zoom_, px(r.Height) * zoom_);
}

QFont Canvas::labelFont(const Font& font, int zoom) {
    const QString wanted = QString::fromStdString(font.Name);
    QFont f(QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("Lato"));
    f.setWeight(QFont::Black);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.Strikethrough);
    // A point is 20 twips, and a pixel 15.
    f.setPixelSize(static_cast<int>(font.Size * 20.0 / kTwipsPerPixel + 0.5) * zoom);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void Canvas::paintEvent(QPaintEvent* event) {
    ++paints_;
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(dirty, toQColor(Frmmahjongg::BackColor));
    // From the bottom of the drawing order to its top; the buttons are widgets of their own.
    const std::span<const ControlRef> order = drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const ControlRef ref = *it;
        switch (ref.kind) {
        case ControlKind::Button:
        case ControlKind::Timer:
            break;
        case ControlKind::Line: {
            const Line& line = window_.Line1;
            if (line.Visible)
                painter.fillRect(QRect(px(line.X1) * zoom_, px(line.Y1) * zoom_,
                                       (px(line.X2) - px(line.X1) + 1) * zoom_,
                                       line.BorderWidth * zoom_),
                                 toQColor(line.BorderColor));
            break;
        }
        case ControlKind::Label: {
            const Label& label = window_.label(static_cast<LabelId>(ref.index));
            const QRect r = pixelRect(label);
            if (!label.Visible || !dirty.intersects(r))
                break;
            painter.fillRect(r, toQColor(label.BackColor));
            painter.setFont(fonts_[static_cast<std::size_t>(ref.index)]);
            painter.setPen(Qt::black);
            painter.drawText(
                r, static_cast<int>(toQt(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap),
                QString::fromStdString(label.Caption));
            break;
        }
        default: {
            const Image* image = imageOf(window_, ref);
            if (!image->Visible || !dirty.intersects(pixelRect(*image)))
                break;
            // Unsmoothed, each picture pixel becomes a square of zoom x zoom pixels.
            const QImage& picture = pictures_.image(image->Picture);
            painter.drawImage(
                QRect(QPoint(px(image->Left), px(image->Top)) * zoom_, picture.size() * zoom_),
                picture);
        }
        }
    }
}

QPoint Canvas::twipsAt(QPointF pixel) const {
    const QPoint p = pixel.toPoint();
    // Floored, so that a pixel left of or above the canvas lies outside the client area.
    auto twips = [this](int at) {
        return static_cast<int>(std::floor(static_cast<double>(at) / zoom_)) * kTwipsPerPixel;
    };
    return {twips(p.x()), twips(p.y())};
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = twipsAt(event->position());
    gesture_.press(window_, at.x(), at.y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = twipsAt(event->position());
    if (gesture_.release(window_, at.x(), at.y()))
        onClick_(at.x(), at.y());
}

} // namespace mj::qt
