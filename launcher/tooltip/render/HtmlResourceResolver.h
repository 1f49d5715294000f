#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>

namespace quivlane {

// Where the images and strings that markup names by number come from. The default looks
// for Qt resources ":/tooltip/bitmap-<id>.png" and ":/tooltip/icon-<id>.png" and reads files
// from disk (regular files only, never blocking); there are no handles, modules or string resources
// unless a subclass adds them.
class HtmlResourceResolver {
  public:
    virtual ~HtmlResourceResolver() = default;

    virtual QImage Bitmap(int id) const;
    virtual QImage Icon(int id) const;
    virtual QImage File(const std::string& path) const;
    virtual QImage Handle(std::uint64_t handle) const;
    virtual QImage ModuleBitmap(const std::string& module, int id) const;
    virtual std::optional<std::string> String(int id) const;

    // Most memory one decoded picture may take.
    static constexpr qint64 kMaxDecodedBytes = 64 << 20;
    // Null when the header is unreadable or promises more than kMaxDecodedBytes.
    static QImage Decode(const QByteArray& bytes);
};

}  // namespace quivlane
