#include "qt/canvas.h"

#include "window/drawing_order.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

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
    setFixedSize(px(Frmmahjongg::ClientWidth), px(Frmmahjongg::ClientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int l = 0; l < kLabels; ++l)
        fonts_[static_cast<std::size_t>(l)] = labelFont(window.label(static_cast<LabelId>(l)).Font);
}

QRect Canvas::pixelRect(const Rect& r) {
    return QRect(px(r.Left), px(r.Top), px(r.Width), px(r.Height));
}

QFont Canvas::labelFont(const Font& font) {
    const QString wanted = QString::fromStdString(font.Name);
    QFont f(QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("Lato"));
    f.setWeight(QFont::Black);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.Strikethrough);
    // A point is 20 twips, and a pixel 15.
    f.setPixelSize(static_cast<int>(font.Size * 20.0 / kTwipsPerPixel + 0.5));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

const QImage& Canvas::labelFace(LabelId id) {
    const Label& label = window_.label(id);
    LabelFace& face = labelFaces_[static_cast<std::size_t>(id)];
    const qreal density = devicePixelRatioF();
    if (!face.pixels.isNull() && face.caption == label.Caption &&
        face.pixels.devicePixelRatio() == density)
        return face.pixels;
    const QRect r = pixelRect(label);
    face.caption = label.Caption;
    face.pixels = QImage(r.size() * density, QImage::Format_RGB32);
    face.pixels.setDevicePixelRatio(density);
    face.pixels.fill(toQColor(label.BackColor));
    QPainter painter(&face.pixels);
    painter.setFont(fonts_[static_cast<std::size_t>(id)]);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), r.size()),
                     static_cast<int>(toQt(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap),
                     QString::fromStdString(label.Caption));
    return face.pixels;
}

// Only what lies in the region to repaint is drawn, in the drawing order, so that wherever
// controls overlap the one on top still ends up on top.
void Canvas::paintEvent(QPaintEvent* event) {
    ++paints_;
    const QRegion& dirty = event->region();
    const QRect bounds = dirty.boundingRect();
    const auto needed = [&](const QRect& r) { return bounds.intersects(r) && dirty.intersects(r); };
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& r : dirty)
        painter.fillRect(r, toQColor(Frmmahjongg::BackColor));
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
            if (line.Visible && needed(pixelRect(line.bounds())))
                painter.fillRect(QRect(px(line.X1), px(line.Y1), px(line.X2) - px(line.X1) + 1,
                                       line.BorderWidth),
                                 toQColor(line.BorderColor));
            break;
        }
        case ControlKind::Label: {
            const auto id = static_cast<LabelId>(ref.index);
            const Label& label = window_.label(id);
            if (label.Visible && needed(pixelRect(label)))
                painter.drawImage(pixelRect(label).topLeft(), labelFace(id));
            break;
        }
        default: {
            const Image* image = imageOf(window_, ref);
            if (image->Visible && needed(pixelRect(*image)))
                painter.drawImage(QPoint(px(image->Left), px(image->Top)),
                                  pictures_.image(image->Picture));
        }
        }
    }
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    const QPoint p = event->position().toPoint();
    onClick_(p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
}

} // namespace mj::qt
