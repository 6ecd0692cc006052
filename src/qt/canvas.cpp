#include "qt/canvas.h"

#include "qt/device_pixels.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

namespace mj::qt {

namespace {

QColor toQColor(Color c) {
    return QColor(c.r, c.g, c.b);
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
    const std::span<const ControlRef> order = drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (it->kind != ControlKind::Button && it->kind != ControlKind::Timer)
            painted_.push_back({*it, imageOf(window, *it)});
    setZoom(1);
}

void Canvas::setZoom(int zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setFixedSize(clientSize(zoom));
    for (int l = 0; l < kLabels; ++l) {
        fonts_[static_cast<std::size_t>(l)] =
            labelFont(window_.label(static_cast<LabelId>(l)).Font, zoom);
        labelFaces_[static_cast<std::size_t>(l)] = {};
    }
    update();
}

QRect Canvas::pixelRect(const Rect& r) const {
    return deviceRect(r, zoom_);
}

Rect Canvas::twipsRect(const QRect& r) const {
    // Whole picture pixels, from the one the first pixel lies in to the one the last does.
    const QPoint first = twipsAt(r.topLeft(), zoom_), last = twipsAt(r.bottomRight(), zoom_);
    return {first.x(), first.y(), last.x() - first.x() + kTwipsPerPixel,
            last.y() - first.y() + kTwipsPerPixel};
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

const QImage& Canvas::labelFace(LabelId id, qreal ratio) {
    const Label& label = window_.label(id);
    LabelFace& face = labelFaces_[static_cast<std::size_t>(id)];
    if (!face.pixels.isNull() && face.caption == label.Caption && face.ratio == ratio)
        return face.pixels;
    const QRect r = pixelRect(label);
    face.caption = label.Caption;
    face.ratio = ratio;
    face.pixels = QImage((QSizeF(r.size()) * ratio).toSize(), QImage::Format_RGB32);
    face.pixels.setDevicePixelRatio(ratio);
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
    // The bounding box first, inline: most controls lie outside a small region.
    const auto needed = [&](const QRect& r) {
        return r.left() <= bounds.right() && bounds.left() <= r.right() &&
               r.top() <= bounds.bottom() && bounds.top() <= r.bottom() && dirty.intersects(r);
    };
    // And before that in twips, which spares the conversion to pixels for the controls far
    // from it; the margin of a pixel on each side covers the rounding.
    const Rect near = twipsRect(bounds.adjusted(-1, -1, 1, 1));
    const auto isNear = [&near](const Rect& r) {
        return r.Left < near.Left + near.Width && near.Left < r.Left + r.Width &&
               r.Top < near.Top + near.Height && near.Top < r.Top + r.Height;
    };
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The pixels painted into: the window's, or those of an image the canvas is rendered to.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatio();
    for (const QRect& r : dirty)
        painter.fillRect(r, toQColor(Frmmahjongg::BackColor));
    for (const Painted& item : painted_) {
        if (const Image* image = item.image) {
            if (!isNear(*image) || !image->Visible)
                continue;
            const QRect r = pixelRect(*image);
            if (!needed(r))
                continue;
            // Unsmoothed, each picture pixel becomes a square of zoom x zoom pixels.
            const QImage& picture = pictures_.image(image->Picture);
            if (zoom_ == 1)
                painter.drawImage(r.topLeft(), picture);
            else
                painter.drawImage(QRect(r.topLeft(), picture.size() * zoom_), picture);
        } else if (item.ref.kind == ControlKind::Label) {
            const auto id = static_cast<LabelId>(item.ref.index);
            const Label& label = window_.label(id);
            const QRect r = pixelRect(label);
            if (label.Visible && needed(r))
                painter.drawImage(r.topLeft(), labelFace(id, ratio));
        } else {
            const Line& line = window_.Line1;
            if (line.Visible && needed(pixelRect(line.bounds())))
                painter.fillRect(QRect(devicePixels(line.X1, zoom_), devicePixels(line.Y1, zoom_),
                                       devicePixels(line.bounds().Width, zoom_),
                                       line.BorderWidth * zoom_),
                                 toQColor(line.BorderColor));
        }
    }
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = twipsAt(event->position(), zoom_);
    gesture_.press(window_, at.x(), at.y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = twipsAt(event->position(), zoom_);
    if (gesture_.release(window_, at.x(), at.y()))
        onClick_(at.x(), at.y());
}

} // namespace mj::qt
