#pragma once

#include <string>

namespace quivlane {

// The six switches of the PARAMETRES record as stored ("OUI" or "NON" when the editor wrote
// them; anything when edited by hand).
struct GlobalSettings {
    std::string son;
    std::string autostart;
    std::string boutonQuitter;
    std::string tooltips;
    std::string autohide;
    std::string horloge;
    bool operator==(const GlobalSettings&) const = default;
};

}  // namespace quivlane
