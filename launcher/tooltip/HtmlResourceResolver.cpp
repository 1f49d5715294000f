#include "launcher/tooltip/HtmlResourceResolver.h"

#include <QString>

namespace quivlane {

QImage HtmlResourceResolver::Bitmap(int id) const {
    return QImage(QStringLiteral(":/tooltip/bitmap-%1.png").arg(id));
}

QImage HtmlResourceResolver::Icon(int id) const {
    return QImage(QStringLiteral(":/tooltip/icon-%1.png").arg(id));
}

QImage HtmlResourceResolver::File(const std::string& path) const {
    if (path.empty()) {
        return {};
    }
    return QImage(QString::fromStdString(path));
}

QImage HtmlResourceResolver::Handle(std::uint64_t) const {
    return {};
}

QImage HtmlResourceResolver::ModuleBitmap(const std::string&, int) const {
    return {};
}

std::optional<std::string> HtmlResourceResolver::String(int) const {
    return std::nullopt;
}

}  // namespace quivlane
