// Checks the committed pictures of the game: the face templates, the start tile picture, the
// corner templates, the edge pictures, the window icon with its larger sizes for the icon theme,
// and the pause picture.

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QString>

#include <algorithm>
#include <array>

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kDarkGrey = 0xFF808080u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kYellow = 0xFFFFFF00u;
constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kSilver = 0xFFB4BAB8u;
constexpr QRgb kPaleGreen = 0xFFDEEDD6u;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr std::array<QRgb, 3> kBandGround = {0xFFC0C0C0u, kWhite, kYellow};

constexpr int kFaces = 42;
constexpr int kTileWidth = 32;
constexpr int kTileHeight = 40;

struct Picture {
    QImage stored; // as read from the file
    QImage pixels; // the same in ARGB32, for reading pixels
};

Picture load(const QString& name) {
    const QString path = QStringLiteral(MAHJONGG_ASSET_DIR "/") + name;
    const QImage stored(path);
    return {stored, stored.convertToFormat(QImage::Format_ARGB32)};
}

QString faceName(int index) {
    return QStringLiteral("faces/%1.png").arg(index, 3, 10, QLatin1Char('0'));
}

const std::array<Picture, 3 * kFaces>& faceTemplates() {
    static const std::array<Picture, 3 * kFaces> templates = [] {
        std::array<Picture, 3 * kFaces> loaded;
        for (int i = 0; i < 3 * kFaces; ++i) {
            loaded[static_cast<std::size_t>(i)] = load(faceName(i));
        }
        return loaded;
    }();
    return templates;
}

const QImage& face(int index) {
    return faceTemplates()[static_cast<std::size_t>(index)].pixels;
}

bool onFrame(int x, int y) {
    return x == 0 || y == 0 || x == kTileWidth - 1 || y == kTileHeight - 1;
}

// Checks size, opacity and the black frame of a tile picture, and counts its pixels of the
// given ground inside the frame.
int checkTileAndCountGround(const Picture& picture, QRgb ground) {
    EXPECT_FALSE(picture.stored.isNull());
    EXPECT_EQ(picture.stored.size(), QSize(kTileWidth, kTileHeight));
    EXPECT_FALSE(picture.stored.hasAlphaChannel());
    if (picture.pixels.size() != QSize(kTileWidth, kTileHeight)) {
        return 0;
    }
    int groundPixels = 0;
    int framePixelsNotBlack = 0;
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const QRgb pixel = picture.pixels.pixel(x, y);
            if (onFrame(x, y)) {
                framePixelsNotBlack += pixel != kBlack ? 1 : 0;
            } else {
                groundPixels += pixel == ground ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(framePixelsNotBlack, 0);
    return groundPixels;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

constexpr int kInsidePixels = (kTileWidth - 2) * (kTileHeight - 2);

TEST(FaceTemplates, HaveFrameGroundAndArt) {
    for (int index = 0; index < 3 * kFaces; ++index) {
        SCOPED_TRACE(faceName(index).toStdString());
        const QRgb ground = kBandGround[static_cast<std::size_t>(index / kFaces)];
        const int groundPixels =
            checkTileAndCountGround(faceTemplates()[static_cast<std::size_t>(index)], ground);
        // The ground shows around the art, and there is art on it.
        EXPECT_GT(groundPixels, kInsidePixels / 3);
        EXPECT_LT(groundPixels, kInsidePixels - 40);
    }
}

TEST(FaceTemplates, BandsOfAFaceDifferOnlyInTheirGround) {
    for (int f = 0; f < kFaces; ++f) {
        for (int b1 = 0; b1 < 3; ++b1) {
            for (int b2 = b1 + 1; b2 < 3; ++b2) {
                SCOPED_TRACE(testing::Message()
                             << "face " << f << ", bands " << b1 << " and " << b2);
                const QImage& first = face(kFaces * b1 + f);
                const QImage& second = face(kFaces * b2 + f);
                ASSERT_EQ(first.size(), second.size());
                int artOnlyDifferences = 0;
                for (int y = 0; y < first.height(); ++y) {
                    for (int x = 0; x < first.width(); ++x) {
                        const QRgb p1 = first.pixel(x, y);
                        const QRgb p2 = second.pixel(x, y);
                        if (p1 != p2 && (p1 != kBandGround[static_cast<std::size_t>(b1)] ||
                                         p2 != kBandGround[static_cast<std::size_t>(b2)])) {
                            ++artOnlyDifferences;
                        }
                    }
                }
                EXPECT_EQ(artOnlyDifferences, 0);
            }
        }
    }
}

TEST(FaceTemplates, FacesAreDifferentDrawings) {
    // Compared in the white band; the bands of a face share their drawing.
    for (int f1 = 0; f1 < kFaces; ++f1) {
        for (int f2 = f1 + 1; f2 < kFaces; ++f2) {
            SCOPED_TRACE(testing::Message() << "faces " << f1 << " and " << f2);
            EXPECT_GE(differingPixels(face(kFaces + f1), face(kFaces + f2)), 10);
        }
    }
}

TEST(StartTilePicture, HasFrameAndPaleGreenGroundAndIsNoFace) {
    const Picture start = load(QStringLiteral("start.png"));
    EXPECT_GT(checkTileAndCountGround(start, kPaleGreen), kInsidePixels / 3);
    for (int index = 0; index < 3 * kFaces; ++index) {
        EXPECT_NE(start.pixels, face(index)) << faceName(index).toStdString();
    }
}

struct CornerCase {
    int index;
    const char* name;
    int width;
    int height;
    bool blackLeft;
    bool blackRight;
    bool blackTop;
    bool blackBottom;
    QRgb aboveDiagonal; // x > y
    QRgb belowDiagonal; // x < y
};

constexpr CornerCase kCornerCases[] = {
    {0, "yellow side cap", 7, 8, true, false, false, false, kYellow, kDarkGrey},
    {1, "outer corner", 8, 8, false, true, false, true, kDarkGrey, kDarkGrey},
    {2, "yellow bottom cap", 8, 7, false, false, true, false, kDarkGrey, kYellow},
    {3, "white side cap", 7, 8, true, false, false, false, kWhite, kDarkGrey},
    {4, "side join", 8, 8, true, true, false, false, kDarkGrey, kDarkGrey},
    {5, "bottom join", 8, 8, false, false, true, true, kDarkGrey, kDarkGrey},
    {6, "white bottom cap", 8, 7, false, false, true, false, kDarkGrey, kWhite},
    {7, "inner corner", 8, 8, true, false, true, false, kDarkGrey, kDarkGrey},
    {8, "silver side cap", 7, 8, true, false, false, false, kSilver, kDarkGrey},
    {9, "green side cap", 8, 8, true, false, false, false, kGreen, kDarkGrey},
    {10, "green bottom cap", 8, 8, false, false, true, false, kDarkGrey, kGreen},
    {11, "silver bottom cap", 8, 7, false, false, true, false, kDarkGrey, kSilver},
};

TEST(CornerTemplates, MatchTheirPixelTable) {
    for (const CornerCase& c : kCornerCases) {
        SCOPED_TRACE(testing::Message() << "corner " << c.index << " (" << c.name << ")");
        const Picture picture =
            load(QStringLiteral("corners/%1.png").arg(c.index, 2, 10, QLatin1Char('0')));
        ASSERT_FALSE(picture.stored.isNull());
        EXPECT_FALSE(picture.stored.hasAlphaChannel());
        ASSERT_EQ(picture.stored.size(), QSize(c.width, c.height));
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const bool black = x == y || (c.blackLeft && x == 0) || (c.blackRight && x == 7) ||
                                   (c.blackTop && y == 0) || (c.blackBottom && y == 7);
                const QRgb expected = black ? kBlack : (x > y ? c.aboveDiagonal : c.belowDiagonal);
                EXPECT_EQ(picture.pixels.pixel(x, y), expected) << "at x " << x << ", y " << y;
            }
        }
    }
}

TEST(EdgePictures, RightEdgeHasBlackSidesAndGreyMiddle) {
    const Picture picture = load(QStringLiteral("edge-right.png"));
    ASSERT_EQ(picture.stored.size(), QSize(8, 32));
    EXPECT_FALSE(picture.stored.hasAlphaChannel());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(picture.pixels.pixel(x, y), x == 0 || x == 7 ? kBlack : kDarkGrey)
                << "at x " << x << ", y " << y;
        }
    }
}

TEST(EdgePictures, BottomEdgeHasBlackSidesAndGreyMiddle) {
    const Picture picture = load(QStringLiteral("edge-bottom.png"));
    ASSERT_EQ(picture.stored.size(), QSize(24, 8));
    EXPECT_FALSE(picture.stored.hasAlphaChannel());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(picture.pixels.pixel(x, y), y == 0 || y == 7 ? kBlack : kDarkGrey)
                << "at x " << x << ", y " << y;
        }
    }
}

TEST(WindowIcon, IsSmallPaletteMouseOnTransparentGround) {
    for (const int size : {32, 16}) {
        SCOPED_TRACE(testing::Message() << "icon " << size);
        const Picture picture = load(QStringLiteral("icon-%1.png").arg(size));
        ASSERT_EQ(picture.stored.size(), QSize(size, size));
        EXPECT_TRUE(picture.stored.hasAlphaChannel());
        QSet<QRgb> colours;
        int transparent = 0;
        int black = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = picture.pixels.pixel(x, y);
                colours.insert(pixel);
                EXPECT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255)
                    << "at x " << x << ", y " << y;
                transparent += qAlpha(pixel) == 0 ? 1 : 0;
                black += pixel == kBlack ? 1 : 0;
            }
        }
        EXPECT_LE(colours.size(), 16);
        // The corners away from the mouse and its cable are ground.
        EXPECT_EQ(qAlpha(picture.pixels.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(picture.pixels.pixel(size - 1, size - 1)), 0);
        EXPECT_GT(transparent, size * size / 4);
        EXPECT_LT(transparent, size * size * 3 / 4);
        EXPECT_GT(black, size); // outline and cable
        EXPECT_TRUE(colours.contains(kWhite));
    }
}

// The icon theme's larger sizes: the window icon blown up by whole factors, every pixel of it a
// square of identical pixels; 48, no whole multiple of 32, from the 16 x 16 image.
TEST(ThemeIcons, AreTheWindowIconInWholeBlocks) {
    struct Case {
        int size;
        int source;
    };
    for (const Case c : {Case{48, 16}, Case{64, 32}, Case{128, 32}, Case{256, 32}}) {
        SCOPED_TRACE(testing::Message() << "icon " << c.size);
        const Picture icon = load(QStringLiteral("icons/%1.png").arg(c.size));
        const Picture source = load(QStringLiteral("icon-%1.png").arg(c.source));
        ASSERT_EQ(icon.stored.size(), QSize(c.size, c.size));
        EXPECT_TRUE(icon.stored.hasAlphaChannel());
        const int factor = c.size / c.source;
        int wrong = 0;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                wrong += icon.pixels.pixel(x, y) != source.pixels.pixel(x / factor, y / factor);
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PausePicture, IsRedTextOnBlackWithinItsBox) {
    const Picture picture = load(QStringLiteral("pause.png"));
    ASSERT_EQ(picture.stored.size(), QSize(768, 312));
    EXPECT_FALSE(picture.stored.hasAlphaChannel());
    int left = 768;
    int right = -1;
    int top = 312;
    int bottom = -1;
    int red = 0;
    int outsideBox = 0;
    for (int y = 0; y < 312; ++y) {
        for (int x = 0; x < 768; ++x) {
            const QRgb pixel = picture.pixels.pixel(x, y);
            if (pixel == kBlack) {
                continue;
            }
            outsideBox += x < 4 || x > 764 || y < 103 || y > 175 ? 1 : 0;
            if (pixel == kRed) {
                ++red;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_EQ(outsideBox, 0);
    // The red letters span nearly the whole box and fill a good part of it.
    EXPECT_LE(left, 10);
    EXPECT_GE(right, 758);
    EXPECT_LE(top, 108);
    EXPECT_GE(bottom, 170);
    EXPECT_GT(red, 761 * 73 / 5);
}

} // namespace
