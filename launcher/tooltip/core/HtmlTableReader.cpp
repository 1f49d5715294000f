#include "launcher/tooltip/core/HtmlTableReader.h"

#include "launcher/tooltip/core/HtmlBlockSplitter.h"
#include "launcher/tooltip/core/HtmlTokenReader.h"

namespace quivlane {

HtmlTableMarkup HtmlTableReader::Read(std::string_view text) {
    HtmlTableMarkup table;
    std::size_t pos = HtmlBlockSplitter::NextTag(text, 0);
    if (pos == std::string_view::npos) {
        return table;
    }
    std::size_t close = text.find('>', pos);
    if (close == std::string_view::npos) {
        return table;
    }
    HtmlTokenReader::ParseTag(text.substr(pos + 1, close - pos - 1), table.tag);
    pos = close + 1;

    HtmlCellMarkup* open = nullptr;
    std::size_t contentStart = 0;
    auto endCell = [&](std::size_t at) {
        if (open != nullptr) {
            open->content = std::string(text.substr(contentStart, at - contentStart));
            open = nullptr;
        }
    };
    while ((pos = HtmlBlockSplitter::NextTag(text, pos)) != std::string_view::npos) {
        close = text.find('>', pos);
        if (close == std::string_view::npos) {
            break;
        }
        HtmlToken tag;
        HtmlTokenReader::ParseTag(text.substr(pos + 1, close - pos - 1), tag);
        if (tag.name == "table" && !tag.closing) {
            pos = HtmlBlockSplitter::MatchTableEnd(text, pos);
            continue;
        }
        if (tag.name == "tr" || tag.name == "td" || tag.name == "table") {
            endCell(pos);
            if (tag.closing) {
                if (tag.name == "table") {
                    break;
                }
            } else if (tag.name == "tr") {
                table.rows.push_back({std::move(tag), {}});
            } else {
                if (table.rows.empty()) {
                    table.rows.push_back({});
                }
                table.rows.back().cells.push_back({std::move(tag), {}});
                open = &table.rows.back().cells.back();
                contentStart = close + 1;
            }
        }
        pos = close + 1;
    }
    endCell(pos == std::string_view::npos ? text.size() : pos);
    return table;
}

}  // namespace quivlane
