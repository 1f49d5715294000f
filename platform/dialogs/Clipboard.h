#pragma once

#include <optional>
#include <string>

namespace quivlane {

// The desktop clipboard's plain text, UTF-8.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The text held (possibly empty); nullopt when the clipboard cannot be read or holds no
    // text.
    virtual std::optional<std::string> Text() = 0;
};

}  // namespace quivlane
