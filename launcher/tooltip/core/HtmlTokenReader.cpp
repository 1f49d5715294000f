#include "launcher/tooltip/core/HtmlTokenReader.h"

namespace quivlane {

namespace {

// Reads a quoted or bare value starting at pos; pos ends after it.
std::string ReadValue(std::string_view s, std::size_t& pos) {
    if (pos >= s.size()) {
        return {};
    }
    const char q = s[pos];
    if (q == '"' || q == '\'') {
        const std::size_t end = s.find(q, pos + 1);
        const std::size_t stop = end == std::string_view::npos ? s.size() : end;
        std::string value(s.substr(pos + 1, stop - pos - 1));
        pos = end == std::string_view::npos ? s.size() : end + 1;
        return value;
    }
    std::size_t end = s.find(' ', pos);
    if (end == std::string_view::npos) {
        end = s.size();
    }
    std::string value(s.substr(pos, end - pos));
    pos = end;
    return value;
}

void SkipSpaces(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && s[pos] == ' ') {
        ++pos;
    }
}

}  // namespace

bool HtmlTokenReader::Next(HtmlToken& token) {
    if (pos_ >= text_.size()) {
        return false;
    }
    token = HtmlToken{};
    if (text_[pos_] == '<' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '<')) {
        token.kind = HtmlToken::Kind::Tag;
        const std::size_t close = text_.find('>', pos_ + 1);
        const std::size_t stop = close == std::string_view::npos ? text_.size() : close;
        ParseTag(text_.substr(pos_ + 1, stop - pos_ - 1), token);
        pos_ = close == std::string_view::npos ? text_.size() : close + 1;
        return true;
    }
    token.kind = HtmlToken::Kind::Text;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '<') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '<') {
                token.text += '<';
                pos_ += 2;
                continue;
            }
            break;
        }
        token.text += c;
        ++pos_;
    }
    return true;
}

void HtmlTokenReader::ParseTag(std::string_view inside, HtmlToken& token) {
    std::size_t pos = 0;
    if (pos < inside.size() && inside[pos] == '/') {
        token.closing = true;
        ++pos;
    }
    const std::size_t nameEnd = inside.find_first_of(" =", pos);
    const std::size_t stop = nameEnd == std::string_view::npos ? inside.size() : nameEnd;
    token.name = std::string(inside.substr(pos, stop - pos));
    pos = stop;
    if (pos < inside.size() && inside[pos] == '=') {
        ++pos;
        token.hasValue = true;
        token.value = ReadValue(inside, pos);
    }
    while (true) {
        SkipSpaces(inside, pos);
        if (pos >= inside.size()) {
            break;
        }
        HtmlAttribute attribute;
        const std::size_t end = inside.find_first_of(" =", pos);
        const std::size_t nameStop = end == std::string_view::npos ? inside.size() : end;
        attribute.name = std::string(inside.substr(pos, nameStop - pos));
        pos = nameStop;
        SkipSpaces(inside, pos);
        if (pos < inside.size() && inside[pos] == '=') {
            ++pos;
            SkipSpaces(inside, pos);
            attribute.value = ReadValue(inside, pos);
        }
        if (!attribute.name.empty()) {
            token.attributes.push_back(std::move(attribute));
        }
    }
}

}  // namespace quivlane
