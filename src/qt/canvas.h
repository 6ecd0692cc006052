// Paints the window's images, labels and line in the drawing order and hands mouse clicks
// to the window's click rule. It never changes the game itself.
#pragma once

#include "qt/pictures.h"
#include "window/click_gesture.h"
#include "window/frmmahjongg.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <functional>

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
    // The point in twips of the picture pixel under a canvas pixel.
    QPoint twipsAt(QPointF pixel) const;

    const Frmmahjongg& window_;
    const Pictures& pictures_;
    std::function<void(int, int)> onClick_;
    std::array<QFont, kLabels> fonts_;
    ClickGesture gesture_;
    int zoom_ = 0;
    int paints_ = 0;
};

} // namespace mj::qt
