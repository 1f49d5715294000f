#include "launcher/bar/TextRules.h"

#include <array>
#include <string_view>

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

struct Fold {
    std::string_view from;
    char to;
};

constexpr std::array<Fold, 13> kFolds{{
    {"à", 'a'},
    {"â", 'a'},
    {"ä", 'a'},
    {"é", 'e'},
    {"è", 'e'},
    {"ê", 'e'},
    {"ë", 'e'},
    {"ï", 'i'},
    {"î", 'i'},
    {"ô", 'o'},
    {"ö", 'o'},
    {"ù", 'u'},
    {"ç", 'c'},
}};

}  // namespace

std::size_t TextRules::CharacterCount(const std::string& text) {
    return TextEncoding::Utf8Length(text);
}

std::string TextRules::FoldAccents(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool folded = false;
        for (const Fold& f : kFolds) {
            if (std::string_view(text).substr(i, f.from.size()) == f.from) {
                out.push_back(f.to);
                i += f.from.size();
                folded = true;
                break;
            }
        }
        if (!folded) {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

std::string TextRules::CentreCaption(const std::string& text) {
    const std::size_t length = CharacterCount(text);
    if (length >= kDisplayCells) {
        return text;
    }
    const std::size_t pad = (kDisplayCells - length) / 2;
    std::string out(pad, ' ');
    out += text;
    out.append(pad, ' ');
    if (length + 2 * pad < kDisplayCells) {
        out.push_back(' ');
    }
    return out;
}

}  // namespace quivlane
