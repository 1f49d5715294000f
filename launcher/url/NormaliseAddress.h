#pragma once

#include <string>

namespace quivlane {

// Repairs the usual slips in the scheme of a typed web address ("htpp://", "http//",
// "htpp//") and puts "http://" before an address without one. Case-sensitive on purpose:
// "HTTP://x" gets a second scheme in front, as the bar has always done.
std::string NormaliseAddress(const std::string& text);

}  // namespace quivlane
