// One of the window's push buttons: the face filled with the button's colour, the focus shown
// in its frame, the caption in the default font at the size that fits the widest caption the
// button ever shows, and the keys that press it: Space, Return and keypad Enter.
#pragma once

#include "window/controls.h"

#include <QPushButton>
#include <QStringList>

#include <span>

namespace mj::qt {

class PushButton : public QPushButton {
  public:
    PushButton(const Button& design, std::span<const char* const> captions, QWidget* parent);

    // Lays the button out with every pixel of the layout a zoom x zoom square.
    void setZoom(int zoom);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Rect rect_;
    Color face_;
    QStringList captions_;
};

} // namespace mj::qt
