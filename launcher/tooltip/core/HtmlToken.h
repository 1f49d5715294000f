#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quivlane {

struct HtmlAttribute {
    std::string name;
    std::string value;
};

// One piece of a flow block: a text run or a tag.
struct HtmlToken {
    enum class Kind { Text, Tag };
    Kind kind = Kind::Text;
    std::string text;  // the run, "<<" already collapsed to "<"
    std::string name;  // tag name without the closing "/"
    bool closing = false;
    bool hasValue = false;  // "=value" written directly behind the name (br=3)
    std::string value;
    std::vector<HtmlAttribute> attributes;

    // First attribute of that name, or nullptr.
    const std::string* Find(std::string_view attribute) const {
        for (const auto& a : attributes) {
            if (a.name == attribute) {
                return &a.value;
            }
        }
        return nullptr;
    }
};

}  // namespace quivlane
