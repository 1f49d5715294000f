#include "launcher/tooltip/core/HtmlBlockSplitter.h"

namespace quivlane {

namespace {

bool StartsAt(std::string_view text, std::size_t pos, std::string_view what) {
    return text.substr(pos, what.size()) == what;
}

}  // namespace

std::size_t HtmlBlockSplitter::NextTag(std::string_view text, std::size_t from) {
    std::size_t pos = from;
    while (pos < text.size()) {
        if (text[pos] == '<') {
            if (pos + 1 < text.size() && text[pos + 1] == '<') {
                pos += 2;
                continue;
            }
            return pos;
        }
        ++pos;
    }
    return std::string_view::npos;
}

std::size_t HtmlBlockSplitter::MatchTableEnd(std::string_view text, std::size_t start) {
    int depth = 0;
    std::size_t pos = start;
    while ((pos = NextTag(text, pos)) != std::string_view::npos) {
        if (StartsAt(text, pos, "<table")) {
            ++depth;
            pos += 6;
        } else if (StartsAt(text, pos, "</table>")) {
            pos += 8;
            if (--depth == 0) {
                return pos;
            }
        } else {
            ++pos;
        }
    }
    return text.size();
}

std::vector<HtmlBlock> HtmlBlockSplitter::Split(std::string_view text) {
    std::vector<HtmlBlock> blocks;
    std::size_t flowStart = 0;
    std::size_t pos = 0;
    while ((pos = NextTag(text, pos)) != std::string_view::npos) {
        if (!StartsAt(text, pos, "<table")) {
            ++pos;
            continue;
        }
        if (pos > flowStart) {
            blocks.push_back({false, std::string(text.substr(flowStart, pos - flowStart))});
        }
        const std::size_t end = MatchTableEnd(text, pos);
        blocks.push_back({true, std::string(text.substr(pos, end - pos))});
        flowStart = pos = end;
    }
    if (flowStart < text.size() || blocks.empty()) {
        blocks.push_back({false, std::string(text.substr(flowStart))});
    }
    return blocks;
}

}  // namespace quivlane
