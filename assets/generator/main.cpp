// Draws every picture of the game into PNG files:
//   mahjongg-picture-generator OUTDIR
// writes OUTDIR/faces/000.png to 125.png, start.png, corners/00.png to 11.png, edge-right.png,
// edge-bottom.png, icon-32.png, icon-16.png, pause.png, and icons/48.png, 64.png, 128.png and
// 256.png for the desktop's icon theme. Run it with QT_QPA_PLATFORM=offscreen where there is no
// display.

#include "board_pictures.h"
#include "face_art.h"
#include "fonts.h"
#include "icon_picture.h"
#include "pause_picture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path, QImage::Format format) {
    if (!image.convertToFormat(format).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Pictures without transparency are stored as plain RGB.
bool saveOpaque(const QImage& image, const QString& path) {
    return save(image, path, QImage::Format_RGB888);
}

QString numbered(int number, int width) {
    return QStringLiteral("%1.png").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString fontError = pictures::loadFonts();
    if (!fontError.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fontError));
        return 1;
    }

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("faces")) || !out.mkpath(QStringLiteral("corners")) ||
        !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create the folders in %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (int index = 0; index < pictures::kBandCount * pictures::kFaceCount; ++index) {
        ok = saveOpaque(pictures::faceTemplate(index),
                        out.filePath(QStringLiteral("faces/") + numbered(index, 3))) &&
             ok;
    }
    ok = saveOpaque(pictures::startTilePicture(), out.filePath(QStringLiteral("start.png"))) && ok;
    for (int index = 0; index < pictures::kCornerTemplateCount; ++index) {
        ok = saveOpaque(pictures::cornerTemplate(index),
                        out.filePath(QStringLiteral("corners/") + numbered(index, 2))) &&
             ok;
    }
    ok = saveOpaque(pictures::rightEdgePicture(), out.filePath(QStringLiteral("edge-right.png"))) &&
         ok;
    ok = saveOpaque(pictures::bottomEdgePicture(),
                    out.filePath(QStringLiteral("edge-bottom.png"))) &&
         ok;
    ok = save(pictures::iconPicture(32), out.filePath(QStringLiteral("icon-32.png")),
              QImage::Format_ARGB32) &&
         ok;
    ok = save(pictures::iconPicture(16), out.filePath(QStringLiteral("icon-16.png")),
              QImage::Format_ARGB32) &&
         ok;
    for (const int size : pictures::kThemeIconSizes) {
        ok = save(pictures::themeIconPicture(size),
                  out.filePath(QStringLiteral("icons/%1.png").arg(size)), QImage::Format_ARGB32) &&
             ok;
    }
    ok = saveOpaque(pictures::pausePicture(), out.filePath(QStringLiteral("pause.png"))) && ok;
    return ok ? 0 : 1;
}
