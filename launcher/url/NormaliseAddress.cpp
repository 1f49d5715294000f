#include "launcher/url/NormaliseAddress.h"

#include <string_view>

namespace quivlane {

namespace {

bool StartsWith(const std::string& text, std::string_view prefix) {
    return std::string_view(text).substr(0, prefix.size()) == prefix;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

}  // namespace

std::string NormaliseAddress(const std::string& text) {
    std::string address = text;
    if (!StartsWith(address, "http://")) {
        if (StartsWith(address, "htpp://")) {
            ReplaceAll(address, "htpp://", "http://");
        }
        if (StartsWith(address, "http//")) {
            ReplaceAll(address, "http//", "http://");
        } else if (StartsWith(address, "htpp//")) {
            ReplaceAll(address, "htpp//", "http://");
        }
    }
    if (!StartsWith(address, "https") && !StartsWith(address, "http")) {
        address.insert(0, "http://");
    }
    return address;
}

}  // namespace quivlane
