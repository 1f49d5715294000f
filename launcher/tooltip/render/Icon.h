#pragma once

#include <QImage>
#include <QSize>

namespace quivlane {

// An icon as a pair of bitmaps: the colour image, and the mask (white where the icon is
// transparent, black where it covers). Colour pixels under white mask pixels are black.
struct Icon {
    QImage color;
    QImage mask;

    bool IsNull() const { return color.isNull() || mask.isNull(); }
    QSize Size() const { return color.size(); }

    // Builds both bitmaps from an image with an alpha channel (alpha 0 = transparent).
    static Icon FromImage(const QImage& image);
};

}  // namespace quivlane
