#include "launcher/tooltip/render/Icon.h"

namespace quivlane {

Icon Icon::FromImage(const QImage& image) {
    Icon icon;
    if (image.isNull()) {
        return icon;
    }
    icon.color = image.convertToFormat(QImage::Format_ARGB32);
    icon.mask = QImage(icon.color.size(), QImage::Format_RGB32);
    for (int y = 0; y < icon.color.height(); ++y) {
        auto* colorRow = reinterpret_cast<QRgb*>(icon.color.scanLine(y));
        auto* maskRow = reinterpret_cast<QRgb*>(icon.mask.scanLine(y));
        for (int x = 0; x < icon.color.width(); ++x) {
            const bool transparent = qAlpha(colorRow[x]) == 0;
            maskRow[x] = transparent ? 0xFFFFFFFFu : 0xFF000000u;
            if (transparent) {
                colorRow[x] = 0;
            }
        }
    }
    return icon;
}

}  // namespace quivlane
