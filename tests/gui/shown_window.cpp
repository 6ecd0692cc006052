#include "gui/shown_window.h"

#include "qt/pictures.h"

#include <QCoreApplication>
#include <QTest>

namespace mj::testing {

using board::idx;

ShownWindow::ShownWindow() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void ShownWindow::deliverWaitingEvents() {
    for (int passes = 0; passes < 100; ++passes) {
        const int paints = window.canvas().paintCount();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QCoreApplication::sendPostedEvents();
        if (window.canvas().paintCount() == paints)
            return;
    }
}

QImage ShownWindow::grab() {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::optional<ControlRef> ShownWindow::controlAtPixel(int x, int y) const {
    return controlAt(game(), x * kTwipsPerPixel, y * kTwipsPerPixel);
}

QPoint ShownWindow::centre(int slot) const {
    const Image& t = game().Imgtile1[idx(slot)];
    return QPoint((t.Left + 240) / kTwipsPerPixel, (t.Top + 300) / kTwipsPerPixel) * window.zoom();
}

void ShownWindow::clickTile(int slot) {
    QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centre(slot));
}

const QImage& ShownWindow::pixelsOf(PictureRef picture) {
    auto [at, added] = pixels_.try_emplace(picture);
    if (added)
        at->second = qt::Pictures::load(QString::fromStdString(picture->asset))
                         .convertToFormat(QImage::Format_RGB32);
    return at->second;
}

int ShownWindow::mismatchedPixels(const QImage& screen, ControlRef ref) {
    const Image& image = *imageOf(game(), ref);
    const QImage& picture = pixelsOf(image.Picture);
    int mismatched = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int sx = image.Left / kTwipsPerPixel + x, sy = image.Top / kTwipsPerPixel + y;
            if (controlAtPixel(sx, sy) == ref)
                mismatched += screen.pixel(sx, sy) != picture.pixel(x, y);
        }
    return mismatched;
}

} // namespace mj::testing
