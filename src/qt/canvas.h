// Paints the window's images, labels and line in the drawing order and hands mouse clicks
// to the window's click rule. It never changes the game itself.
#pragma once

#include "qt/pictures.h"
#include "window/click_gesture.h"
#include "window/drawing_order.h"
#include "window/frmmahjongg.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace mj::qt {

class Canvas : public QWidget {
  public:
    // `onClick` receives the position in twips of every left click.
    Canvas(const Frmmahjongg& window, const Pictures& pictures,
           std::function<void(int, int)> onClick, QWidget* parent = nullptr);

    // How often the canvas has painted itself.
    int paintCount() const { return paints_; }

    // How many device pixels each side of a picture pixel takes.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    // The label font at a zoom: the face asked for where it is installed, else a heavy
    // sans-serif.
    static QFont labelFont(const Font& font, int zoom);
    // A control's rectangle in the canvas's pixels.
    QRect pixelRect(const Rect& r) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // A double click comes as a press, a release, a double click and a release; QWidget
    // hands the double click on as a press, so it makes a second click.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The twips a rectangle of the canvas's pixels covers: every control whose pixelRect
    // meets `r` has a rectangle that meets this one.
    Rect twipsRect(const QRect& r) const;

    // A label's pixels, its background and its caption laid out with word wrap, drawn anew
    // only when the caption, the zoom or the device pixel ratio changes (no handler changes a
    // label's font, alignment or colour). Where the platform scales the window itself (as a
    // Wayland compositor at 200 % does), the text is set at the device's pixels, not blown up.
    struct LabelFace {
        std::string caption;
        qreal ratio = 1;
        QImage pixels;
    };
    const QImage& labelFace(LabelId id, qreal ratio);

    // What the canvas paints, bottom first: every image, label and the line, with the
    // image a control is, if it is one.
    struct Painted {
        ControlRef ref;
        const Image* image;
    };
    std::vector<Painted> painted_;

    const Frmmahjongg& window_;
    const Pictures& pictures_;
    std::function<void(int, int)> onClick_;
    std::array<QFont, kLabels> fonts_;
    std::array<LabelFace, kLabels> labelFaces_;
    ClickGesture gesture_;
    int zoom_ = 0;
    int paints_ = 0;
};

} // namespace mj::qt
