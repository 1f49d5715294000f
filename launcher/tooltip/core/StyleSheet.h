#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launcher/tooltip/core/ColorReader.h"
#include "launcher/tooltip/core/LengthContext.h"
#include "launcher/tooltip/core/TextStyle.h"

namespace quivlane {

// The style map of the renderer: selector -> declarations, plus the colour and length
// readers and the enabled flag that every colour value passes through.
class StyleSheet {
  public:
    // Loads the default sheet.
    explicit StyleSheet(const SystemColors& systemColors);

    // Replaces every rule; no text loads the default sheet.
    void SetStyleSheet(std::optional<std::string_view> text);

    // Applies the declarations of the selector (looked up lower-cased) to the target.
    // Returns false, changing nothing, for an unknown selector.
    bool ApplyStyle(std::string_view selector, TextStyle& target,
                    const LengthContext& context) const;

    // Applies a declaration list as a rule's body would be applied.
    void ApplyDeclarations(std::string_view declarations, TextStyle& target,
                           const LengthContext& context) const;

    // The declarations stored for a selector (lower-cased), if any.
    std::optional<std::string> Rule(std::string_view selector) const;
    const std::map<std::string, std::string, std::less<>>& Rules() const { return rules_; }

    Rgb ColorValue(std::string_view text, Rgb current) const {
        return colors_.ColorValue(text, current);
    }
    int LengthValue(std::string_view text, int current, bool fontSize,
                    const LengthContext& context) const;

    void SetEnabled(bool enabled) { colors_.SetEnabled(enabled); }
    bool IsEnabled() const { return colors_.IsEnabled(); }
    void SetDisabledColor(Rgb color) { colors_.SetDisabledColor(color); }
    Rgb DisabledColor() const { return colors_.DisabledColor(); }
    const ColorReader& Colors() const { return colors_; }

    // Keyword readers shared with tag and table attributes; unknown values keep current.
    static int FontWeightValue(std::string_view value, int current);
    static int BorderStyleValue(std::string_view value, int current);

    static std::string_view DefaultStyleSheet();

    // Splits a declaration list into property/value pairs in order of appearance.
    static std::vector<std::pair<std::string, std::string>> ParseDeclarations(
        std::string_view text);

  private:
    void ApplyProperty(std::string_view property, std::string_view value, TextStyle& target,
                       const LengthContext& context) const;

    std::map<std::string, std::string, std::less<>> rules_;
    ColorReader colors_;
};

}  // namespace quivlane
