#include "launcher/tooltip/core/HtmlPreprocessor.h"

namespace quivlane {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return;
    }
    std::string out;
    std::size_t start = 0;
    std::size_t hit = text.find(from);
    if (hit == std::string::npos) {
        return;
    }
    out.reserve(text.size());
    while (hit != std::string::npos) {
        out.append(text, start, hit - start);
        out += to;
        start = hit + from.size();
        hit = text.find(from, start);
    }
    out.append(text, start, std::string::npos);
    text.swap(out);
}

}  // namespace

const std::map<std::string, std::string>& HtmlPreprocessor::Entities() {
    // "&lt;" becomes the doubled sign so that the token reader shows it instead of
    // starting a tag.
    static const std::map<std::string, std::string> entities = {
        {"&amp;", "&"},
        {"&bull;", "\xE2\x80\xA2"},
        {"&copy;", "\xC2\xA9"},
        {"&euro;", "\xE2\x82\xAC"},
        {"&gt;", ">"},
        {"&iquest;", "\xC2\xBF"},
        {"&lt;", "<<"},
        {"&nbsp;", " "},
        {"&para;", "\xC2\xB6"},
        {"&pound;", "\xC2\xA3"},
        {"&quot;", "\""},
        {"&reg;", "\xC2\xAE"},
        {"&trade;", "\xE2\x84\xA2"},
    };
    return entities;
}

std::string HtmlPreprocessor::Run(std::string text, bool lineBreaks) {
    for (const auto& [entity, replacement] : Entities()) {
        ReplaceAll(text, entity, replacement);
    }
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
        switch (c) {
            case '\r':
                break;
            case '\n':
                if (lineBreaks) {
                    out += "<br>";
                }
                break;
            case '\t':
                if (lineBreaks) {
                    out += "<t>";
                }
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace quivlane
