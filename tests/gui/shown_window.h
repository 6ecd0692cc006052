// The real window, shown on Qt's offscreen platform, with what the GUI tests read of it.
#pragma once

#include "qt/main_window.h"

#include <QImage>
#include <QPoint>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace mj::testing {

// How long a GUI test waits for what must come, in milliseconds: long enough for the slowest
// machine, as a wait that is met returns at once.
inline constexpr int kPatience = 30000;

class ShownWindow : public ::testing::Test {
  protected:
    ShownWindow();

    const Frmmahjongg& game() const { return window.game(); }
    // Delivers every event already waiting, the repaints asked for among them, and what those
    // bring in turn, until a pass paints nothing more.
    void deliverWaitingEvents();
    // The client area as it is on the screen.
    QImage grab();
    // The topmost control on a pixel, as the click rule sees it.
    std::optional<ControlRef> controlAtPixel(int x, int y) const;
    // The canvas pixel at the centre of a slot's tile, at the window's zoom, and a real mouse
    // click on it.
    QPoint centre(int slot) const;
    void clickTile(int slot);
    // A picture's pixels, as the program loads them.
    const QImage& pixelsOf(PictureRef picture);
    // The pixels of a shown image that no control above it covers and that differ from its
    // picture.
    int mismatchedPixels(const QImage& screen, ControlRef ref);

    qt::MainWindow window;

  private:
    std::map<PictureRef, QImage> pixels_;
};

} // namespace mj::testing
