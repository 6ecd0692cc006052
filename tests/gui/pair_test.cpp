#include "gui/shown_window.h"
#include "support/board_builder.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using mj::ControlKind;
using mj::ControlRef;
using mj::board::idx;

constexpr int kPx = mj::kTwipsPerPixel;

// The real window with a game started by a click on Start.
struct PairOnScreen : mj::testing::ShownWindow {
    PairOnScreen() { QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton); }

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
    const auto [a, b] = mj::testing::makeMatch(window.game());
    ASSERT_GE(a, 0) << "no matching pair could be made";
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return game().tilesleft == 148; }, mj::testing::kPatience));
    EXPECT_FALSE(game().Imgtile1[idx(a)].Visible);
    EXPECT_FALSE(game().Imgtile1[idx(b)].Visible);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.canvas().paintCount() > paints; },
                                mj::testing::kPatience));
    const QImage removed = grab();
    for (const int s : {a, b})
        EXPECT_EQ(wrongPixelsOver(removed, s), 0) << "where tile " << s << " stood";
}

} // namespace
