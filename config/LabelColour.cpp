#include "config/LabelColour.h"

#include <array>
#include <string_view>

namespace quivlane {

namespace {

struct NamedColour {
    std::string_view name;
    Rgb colour;
};

constexpr std::array<NamedColour, 5> kColours = {{
    {"NOIR", {0, 0, 0}},
    {"JAUNE", {168, 163, 30}},
    {"VERT", {20, 167, 37}},
    {"BLEU", {0, 0, 255}},
    {"ROUGE", {255, 0, 0}},
}};

}  // namespace

Rgb LabelColourFromName(const std::string& name) {
    for (const NamedColour& entry : kColours) {
        if (entry.name == name) {
            return entry.colour;
        }
    }
    return {};
}

bool IsLabelColourName(const std::string& name) {
    for (const NamedColour& entry : kColours) {
        if (entry.name == name) {
            return true;
        }
    }
    return false;
}

}  // namespace quivlane
