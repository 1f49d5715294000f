#include "tests/launcher/tooltip/HtmlTestSupport.h"

namespace quivlane::test {

QImage WhiteCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

QRect InkBox(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& match) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

QImage MemoryResolver::Bitmap(int id) const {
    auto it = bitmaps.find(id);
    return it == bitmaps.end() ? QImage() : it->second;
}

QImage MemoryResolver::Icon(int id) const {
    auto it = icons.find(id);
    return it == icons.end() ? QImage() : it->second;
}

QImage MemoryResolver::File(const std::string& path) const {
    auto it = files.find(path);
    return it == files.end() ? QImage() : it->second;
}

std::optional<std::string> MemoryResolver::String(int id) const {
    auto it = strings.find(id);
    if (it == strings.end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace quivlane::test
