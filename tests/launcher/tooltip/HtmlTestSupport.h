#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <functional>
#include <map>

#include "launcher/tooltip/render/HtmlResourceResolver.h"

namespace quivlane::test {

// A white ARGB32 canvas, the kind the tooltip draws into.
QImage WhiteCanvas(int width, int height);

// Bounding box of the pixels that differ from the background (null when none do).
QRect InkBox(const QImage& image, QRgb background = 0xFFFFFFFFu);

// Pixels matching the predicate.
int CountPixels(const QImage& image, const std::function<bool(QRgb)>& match);

// Images and strings served from memory instead of resources and files.
class MemoryResolver final : public HtmlResourceResolver {
  public:
    QImage Bitmap(int id) const override;
    QImage Icon(int id) const override;
    QImage File(const std::string& path) const override;
    std::optional<std::string> String(int id) const override;

    std::map<int, QImage> bitmaps;
    std::map<int, QImage> icons;
    std::map<std::string, QImage> files;
    std::map<int, std::string> strings;
};

}  // namespace quivlane::test
