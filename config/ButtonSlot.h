#pragma once

#include <string>

namespace quivlane {

// One bar button as stored under BOUTONn.
struct ButtonSlot {
    std::string label;       // TEXTE
    std::string link;        // LIEN
    std::string comment;     // COMMENTAIRE
    std::string colourName;  // COULEURTEXTE
    bool operator==(const ButtonSlot&) const = default;
};

}  // namespace quivlane
