#pragma once

#include <map>
#include <string>
#include <string_view>

#include "base/Rgb.h"

namespace quivlane {

// System colour names ("buttonface", "infotext", ...) with their values at creation time.
using SystemColors = std::map<std::string, Rgb, std::less<>>;

// Reads colour texts: "#rrggbb", C integer literals (raw 0x00BBGGRR) and colour names.
// Also carries the enabled flag: while disabled every colour read is the disabled colour.
class ColorReader {
  public:
    // The disabled colour starts as the system's button-shadow colour.
    explicit ColorReader(const SystemColors& systemColors);

    Rgb ColorValue(std::string_view text, Rgb current) const;

    // Reads a colour without the disabled rule; false when the text is not a colour.
    bool TryParse(std::string_view text, Rgb& out) const;

    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsEnabled() const { return enabled_; }
    void SetDisabledColor(Rgb color) { disabledColor_ = color; }
    Rgb DisabledColor() const { return disabledColor_; }

    const std::map<std::string, Rgb, std::less<>>& ColorMap() const { return colorMap_; }

    // The 140 named colours, without the system colours.
    static const std::map<std::string, Rgb, std::less<>>& NamedColors();
    // The system colour names that the map holds.
    static const std::map<std::string, Rgb, std::less<>>& DefaultSystemColors();

  private:
    std::map<std::string, Rgb, std::less<>> colorMap_;
    bool enabled_ = true;
    Rgb disabledColor_{128, 128, 128};
};

}  // namespace quivlane
