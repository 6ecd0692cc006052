#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace pictures {

namespace {

QString g_chineseFamily;
QString g_latinFamily;

QString loadFamily(const QString& path, QString* family) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) {
        return QStringLiteral("cannot load the font file %1").arg(path);
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        return QStringLiteral("the font file %1 holds no font family").arg(path);
    }
    *family = families.first();
    return {};
}

} // namespace

QString loadFonts() {
    QString error = loadFamily(QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"),
                               &g_chineseFamily);
    if (error.isEmpty()) {
        error = loadFamily(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
                           &g_latinFamily);
    }
    return error;
}

QString chineseFamily() {
    return g_chineseFamily;
}

QString latinFamily() {
    return g_latinFamily;
}

} // namespace pictures
