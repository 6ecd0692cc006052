#include "qt/pictures.h"

namespace mj::qt {

QImage Pictures::load(const QString& asset) {
    QImage image(QStringLiteral(":/assets/") + asset + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

Pictures::Pictures(const PictureSet& set) {
    auto add = [this](const Picture& p) {
        images_.emplace(&p, load(QString::fromStdString(p.asset)));
    };
    for (const Picture& p : set.faces)
        add(p);
    for (const Picture& p : set.corners)
        add(p);
    for (const Picture* p :
         {&set.startTile, &set.rightEdge, &set.bottomEdge, &set.pause, &set.untemplatedCorner})
        add(*p);
}

const QImage& Pictures::image(PictureRef picture) const {
    const auto found = images_.find(picture);
    return found == images_.end() ? none_ : found->second;
}

} // namespace mj::qt
