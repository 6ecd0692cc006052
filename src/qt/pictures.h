// The pixels of the window's pictures, loaded once from the program's resources.
#pragma once

#include "window/picture_set.h"

#include <QImage>
#include <QString>

#include <unordered_map>

namespace mj::qt {

class Pictures {
  public:
    explicit Pictures(const PictureSet& set);
    // The pixels of a picture object; a null image for none.
    const QImage& image(PictureRef picture) const;

    static QImage load(const QString& asset);

  private:
    std::unordered_map<PictureRef, QImage> images_;
    QImage none_;
};

} // namespace mj::qt
