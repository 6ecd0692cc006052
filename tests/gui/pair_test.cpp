#include "qt/main_window.h"
#include "qt/pictures.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

using mj::ControlKind;
using mj::ControlRef;
using mj::board::idx;

constexpr int kPx = mj::kTwipsPerPixel;

// The real window with a game started by a click on Start.
struct PairOnScreen : ::testing::Test {
    mj::qt::MainWindow window;
    PairOnScreen() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
    }
    const mj::Frmmahjongg& game() { return window.game(); }
    QImage grab() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::optional<ControlRef> controlAtPixel(int x, int y) {
        return mj::controlAt(game(), x * kPx, y * kPx);
    }
    QPoint centre(int s) {
        const mj::Image& t = game().Imgtile1[idx(s)];
        return {(t.Left + 240) / kPx, (t.Top + 300) / kPx};
    }
    bool clickable(int s) {
        const QPoint p = centre(s);
        return game().Imgtile1[idx(s)].Enabled &&
               controlAtPixel(p.x(), p.y()) == ControlRef{ControlKind::Tile, s};
    }
    std::pair<int, int> freeMatchingPair() {
        std::vector<int> free;
        for (int s = 0; s < mj::board::kSlots; ++s)
            if (clickable(s))
                free.push_back(s);
        for (const int a : free)
            for (const int b : free)
                if (a != b && game().Imgtile1[idx(a)].Picture == game().Imgtile1[idx(b)].Picture)
                    return {a, b};
        return {-1, -1};
    }
    void clickTile(int s) { QTest::mouseClick(&window.canvas(), Qt::LeftButton, {}, centre(s)); }

    const QImage& pixelsOf(mj::PictureRef picture) {
        auto [at, added] = pixels.try_emplace(picture);
        if (added)
            at->second = mj::qt::Pictures::load(QString::fromStdString(picture->asset))
                             .convertToFormat(QImage::Format_RGB32);
        return at->second;
    }
    std::map<mj::PictureRef, QImage> pixels;

    // Every pixel of the tile's rectangle shows what the topmost control there holds, or the
    // green background where no control lies; returns the number of pixels that do not.
    int wrongPixelsOver(const QImage& screen, int s) {
        const mj::Image& tile = game().Imgtile1[idx(s)];
        int wrong = 0;
        for (int sy = tile.Top / kPx; sy < (tile.Top + tile.Height) / kPx; ++sy)
            for (int sx = tile.Left / kPx; sx < (tile.Left + tile.Width) / kPx; ++sx) {
                const std::optional<ControlRef> top = controlAtPixel(sx, sy);
                QRgb expected = qRgb(0x00, 0xFF, 0x00);
                if (top) {
                    const mj::Image* image = mj::imageOf(game(), *top);
                    if (!image)
                        continue;
                    const QImage& picture = pixelsOf(image->Picture);
                    expected = picture.pixel(sx - image->Left / kPx, sy - image->Top / kPx);
                }
                wrong += screen.pixel(sx, sy) != expected;
            }
        return wrong;
    }
};

TEST_F(PairOnScreen, AMatchedPairShowsYellowAndIsGoneHalfASecondLater) {
    const auto [a, b] = freeMatchingPair();
    ASSERT_GE(a, 0) << "no free matching pair on the board";
    int white = -1;
    for (int t = 42; t < 84; ++t)
        if (game().Imgtile1[idx(a)].Picture == game().Imgtmalli[idx(t)].Picture)
            white = t;
    ASSERT_GE(white, 42);
    const mj::PictureRef yellow = game().Imgtmalli[idx(white + 42)].Picture;

    clickTile(a);
    clickTile(b);
    ASSERT_EQ(game().Imgtile1[idx(a)].Picture, yellow);
    ASSERT_EQ(game().Imgtile1[idx(b)].Picture, yellow);

    const QImage matched = grab();
    QDir().mkpath(QStringLiteral("artifacts"));
    matched.save(QStringLiteral("artifacts/matched-pair.png"));
    const QImage& template_ = pixelsOf(yellow);
    for (const int s : {a, b}) {
        const mj::Image& tile = game().Imgtile1[idx(s)];
        int compared = 0, wrong = 0, ground = 0;
        for (int y = 0; y < template_.height(); ++y)
            for (int x = 0; x < template_.width(); ++x) {
                const int sx = tile.Left / kPx + x, sy = tile.Top / kPx + y;
                if (controlAtPixel(sx, sy) != ControlRef{ControlKind::Tile, s})
                    continue;
                ++compared;
                wrong += matched.pixel(sx, sy) != template_.pixel(x, y);
                ground += matched.pixel(sx, sy) == qRgb(0xFF, 0xFF, 0x00);
            }
        EXPECT_GT(compared, 32 * 40 / 2) << "tile " << s;
        EXPECT_EQ(wrong, 0) << "tile " << s;
        EXPECT_GT(ground, 0) << "tile " << s << " shows no yellow ground";
    }

    const int paints = window.canvas().paintCount();
    QTest::qWait(600);
    EXPECT_FALSE(game().Imgtile1[idx(a)].Visible);
    EXPECT_FALSE(game().Imgtile1[idx(b)].Visible);
    EXPECT_EQ(game().tilesleft, 148);
    EXPECT_GT(window.canvas().paintCount(), paints);
    const QImage removed = grab();
    for (const int s : {a, b})
        EXPECT_EQ(wrongPixelsOver(removed, s), 0) << "where tile " << s << " stood";
}

} // namespace
