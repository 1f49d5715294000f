#pragma once

#include <string>

namespace quivlane {

// The colour a label is painted in, from its COULEURTEXTE name.
struct LabelColour {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const LabelColour&) const = default;

    // "NOIR", "JAUNE", "VERT", "BLEU", "ROUGE" (exact case); anything else is black.
    static LabelColour FromName(const std::string& name);
    // True for exactly the five names above; the editor keeps its choice otherwise.
    static bool IsKnownName(const std::string& name);
};

}  // namespace quivlane
