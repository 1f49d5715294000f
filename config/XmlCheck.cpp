#include "config/XmlCheck.h"

#include <cstdint>
#include <set>
#include <vector>

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

bool IsNameStartChar(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) ||
           (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStartChar(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsXmlChar(char32_t c) {
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// A malformed byte reads as kMalformed, which no rule of XML admits.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const TextEncoding::Utf8Unit unit = TextEncoding::DecodeUtf8(text, i);
    i += unit.length;
    return unit.codePoint;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Failure {
    const char* reason;
    std::size_t at;
};

class Checker {
  public:
    explicit Checker(std::string_view text) : text_(text) {}

    void Run() {
        if (Starts("<?xml") && text_.size() > 5 && IsSpace(text_[5])) {
            Until("?>", "Unterminated XML declaration");
        }
        bool doctype = false;
        for (;;) {
            SkipSpace();
            if (pos_ >= text_.size()) {
                Fail("No document element");
            }
            if (Starts("<!--")) {
                Comment();
            } else if (Starts("<?")) {
                ProcessingInstruction();
            } else if (Starts("<!DOCTYPE")) {
                if (doctype) {
                    Fail("Second document type declaration");
                }
                doctype = true;
                Doctype();
            } else if (text_[pos_] == '<') {
                break;
            } else {
                Fail("Text before the document element");
            }
        }
        Element();
        for (;;) {
            SkipSpace();
            if (pos_ >= text_.size()) {
                return;
            }
            if (Starts("<!--")) {
                Comment();
            } else if (Starts("<?")) {
                ProcessingInstruction();
            } else {
                Fail("Content after the document element");
            }
        }
    }

  private:
    [[noreturn]] void Fail(const char* reason) const { throw Failure{reason, pos_}; }

    bool Starts(std::string_view prefix) const {
        return text_.substr(pos_, prefix.size()) == prefix;
    }

    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            ++pos_;
        }
    }

    // Moves past the next `end`.
    void Until(std::string_view end, const char* reason) {
        const auto found = text_.find(end, pos_);
        if (found == std::string_view::npos) {
            Fail(reason);
        }
        pos_ = found + end.size();
    }

    std::string_view Name() {
        const std::size_t start = pos_;
        std::size_t i = pos_;
        if (i >= text_.size() || !IsNameStartChar(NextCodePoint(text_, i))) {
            Fail("Invalid name");
        }
        pos_ = i;
        while (i < text_.size() && IsNameChar(NextCodePoint(text_, i))) {
            pos_ = i;
        }
        return text_.substr(start, pos_ - start);
    }

    void Comment() {
        pos_ += 4;
        const auto dashes = text_.find("--", pos_);
        if (dashes == std::string_view::npos) {
            Fail("Unterminated comment");
        }
        pos_ = dashes;
        if (!Starts("-->")) {
            Fail("'--' inside a comment");
        }
        pos_ += 3;
    }

    void ProcessingInstruction() {
        pos_ += 2;
        const std::string_view target = Name();
        if (target.size() == 3 && (target[0] | 0x20) == 'x' && (target[1] | 0x20) == 'm' &&
            (target[2] | 0x20) == 'l') {
            Fail("XML declaration not at the start of the file");
        }
        Until("?>", "Unterminated processing instruction");
    }

    void Doctype() {
        pos_ += 9;
        char quote = 0;
        bool subset = false;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (quote != 0) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (subset && Starts("<!--")) {
                Comment();
                --pos_;
            } else if (subset && Starts("<!ENTITY")) {
                pos_ += 8;
                SkipSpace();
                if (pos_ < text_.size() && text_[pos_] != '%') {
                    entities_.insert(std::string(Name()));
                }
                --pos_;
            } else if (c == '[') {
                subset = true;
            } else if (c == ']') {
                subset = false;
            } else if (c == '>' && !subset) {
                ++pos_;
                return;
            }
        }
        Fail("Unterminated document type declaration");
    }

    void Reference() {
        ++pos_;
        if (Starts("#")) {
            ++pos_;
            const bool hex = Starts("x");
            pos_ += hex ? 1 : 0;
            const std::size_t start = pos_;
            std::uint32_t value = 0;
            while (pos_ < text_.size() && text_[pos_] != ';') {
                const char c = text_[pos_];
                int digit = -1;
                if (c >= '0' && c <= '9') {
                    digit = c - '0';
                } else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
                    digit = (c | 0x20) - 'a' + 10;
                }
                if (digit < 0) {
                    Fail("Invalid character reference");
                }
                value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
                ++pos_;
            }
            if (pos_ == start || pos_ >= text_.size() || !IsXmlChar(value)) {
                Fail("Invalid character reference");
            }
            ++pos_;
            return;
        }
        const std::size_t at = pos_;
        if (at >= text_.size() || text_[at] == ';' || IsSpace(text_[at])) {
            Fail("Unescaped '&'");
        }
        const std::string_view name = Name();
        if (!Starts(";")) {
            Fail("Unescaped '&'");
        }
        if (name != "lt" && name != "gt" && name != "amp" && name != "apos" && name != "quot" &&
            entities_.count(std::string(name)) == 0) {
            pos_ = at;
            Fail("Undefined entity");
        }
        ++pos_;
    }

    // A start tag; true when it was empty ("/>").
    bool StartTag(std::string_view& name) {
        ++pos_;
        name = Name();
        std::set<std::string_view> attributes;
        for (;;) {
            const std::size_t before = pos_;
            SkipSpace();
            if (Starts("/>")) {
                pos_ += 2;
                return true;
            }
            if (Starts(">")) {
                ++pos_;
                return false;
            }
            if (pos_ == before) {
                Fail("Malformed start tag");
            }
            const std::size_t at = pos_;
            const std::string_view attribute = Name();
            if (!attributes.insert(attribute).second) {
                pos_ = at;
                Fail("Duplicate attribute");
            }
            SkipSpace();
            if (!Starts("=")) {
                Fail("Attribute without a value");
            }
            ++pos_;
            SkipSpace();
            if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
                Fail("Attribute value without quotes");
            }
            const char quote = text_[pos_++];
            while (pos_ < text_.size() && text_[pos_] != quote) {
                if (text_[pos_] == '<') {
                    Fail("'<' in an attribute value");
                }
                if (text_[pos_] == '&') {
                    Reference();
                } else {
                    ++pos_;
                }
            }
            if (pos_ >= text_.size()) {
                Fail("Unterminated attribute value");
            }
            ++pos_;
        }
    }

    void Element() {
        if (Starts("</") || Starts("<!") || Starts("<?")) {
            Fail("No document element");
        }
        std::vector<std::string_view> open;
        do {
            if (pos_ >= text_.size()) {
                Fail("Unclosed element");
            }
            if (Starts("</")) {
                pos_ += 2;
                const std::size_t at = pos_;
                const std::string_view name = Name();
                SkipSpace();
                if (!Starts(">") || name != open.back()) {
                    pos_ = at;
                    Fail("Mismatched end tag");
                }
                ++pos_;
                open.pop_back();
            } else if (Starts("<!--")) {
                Comment();
            } else if (Starts("<![CDATA[")) {
                Until("]]>", "Unterminated CDATA section");
            } else if (Starts("<?")) {
                ProcessingInstruction();
            } else if (Starts("<!")) {
                Fail("Markup declaration inside an element");
            } else if (Starts("<")) {
                std::string_view name;
                if (!StartTag(name)) {
                    open.push_back(name);
                }
            } else if (Starts("&")) {
                Reference();
            } else if (Starts("]]>")) {
                Fail("']]>' in text");
            } else {
                ++pos_;
            }
        } while (!open.empty());
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::set<std::string> entities_;
};

}  // namespace

bool XmlCheck::IsName(std::string_view name) {
    if (name.empty() || !TextEncoding::IsValidUtf8(name)) {
        return false;
    }
    std::size_t i = 0;
    if (!IsNameStartChar(NextCodePoint(name, i))) {
        return false;
    }
    while (i < name.size()) {
        if (!IsNameChar(NextCodePoint(name, i))) {
            return false;
        }
    }
    return true;
}

bool XmlCheck::IsText(std::string_view text) {
    return TextEncoding::IsValidUtf8(text) && !FirstExcludedCharacter(text);
}

std::optional<char32_t> XmlCheck::FirstExcludedCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (const char32_t c = NextCodePoint(text, i); !IsXmlChar(c)) {
            return c;
        }
    }
    return std::nullopt;
}

std::string XmlCheck::WellFormednessError(std::string_view text) {
    std::size_t at = 0;
    std::string reason;
    if (!TextEncoding::IsValidUtf8(text)) {
        return "Invalid UTF-8 sequence";
    }
    for (std::size_t i = 0; i < text.size(); at = i) {
        if (!IsXmlChar(NextCodePoint(text, i))) {
            reason = "Character not allowed in XML";
            break;
        }
    }
    if (reason.empty()) {
        try {
            Checker(text).Run();
            return {};
        } catch (const Failure& failure) {
            reason = failure.reason;
            at = failure.at;
        }
    }
    std::size_t line = 1;
    for (std::size_t i = 0; i < at && i < text.size(); ++i) {
        line += text[i] == '\n' ? 1 : 0;
    }
    return reason + " (line " + std::to_string(line) + ")";
}

}  // namespace quivlane
