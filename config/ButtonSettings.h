#pragma once

#include <string>

namespace quivlane {

// One bar button as stored under BOUTONn.
struct ButtonSettings {
    std::string label;       // TEXTE
    std::string link;        // LIEN
    std::string comment;     // COMMENTAIRE
    std::string colourName;  // COULEURTEXTE
    bool operator==(const ButtonSettings&) const = default;
};

}  // namespace quivlane
