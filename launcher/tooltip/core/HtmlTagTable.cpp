#include "launcher/tooltip/core/HtmlTagTable.h"

#include <map>

namespace quivlane {

const HtmlTagInfo* HtmlTagTable::Find(std::string_view name) {
    using C = HtmlTagCode;
    static const std::map<std::string, HtmlTagInfo, std::less<>> tags = {
        {"b", {C::Bold, "bold"}},
        {"i", {C::Italic, "italic"}},
        {"em", {C::Italic, "italic"}},
        {"u", {C::Underline, "underline"}},
        {"s", {C::Strikeout, "strikeout"}},
        {"strike", {C::Strikeout, "strikeout"}},
        {"font", {C::Font, "font"}},
        {"hr", {C::Rule, ""}},
        {"br", {C::Break, ""}},
        {"t", {C::Tab, ""}},
        {"left", {C::AlignLeft, "left", 0}},
        {"center", {C::AlignCenter, "center", 1}},
        {"right", {C::AlignRight, "right", 2}},
        {"justify", {C::AlignJustify, "justify", 3}},
        {"baseline", {C::VAlignBaseline, "baseline", 3}},
        {"top", {C::VAlignTop, "top", 0}},
        {"vcenter", {C::VAlignCenter, "vcenter", 1}},
        {"middle", {C::VAlignCenter, "vcenter", 1}},
        {"bottom", {C::VAlignBottom, "bottom", 2}},
        {"bmp", {C::Bitmap, ""}},
        {"icon", {C::Icon, ""}},
        {"ilst", {C::ImageList, ""}},
        {"string", {C::String, ""}},
        {"body", {C::SheetStyle, "body"}},
        {"h1", {C::SheetStyle, "h1"}},
        {"h2", {C::SheetStyle, "h2"}},
        {"h3", {C::SheetStyle, "h3"}},
        {"h4", {C::SheetStyle, "h4"}},
        {"h5", {C::SheetStyle, "h5"}},
        {"h6", {C::SheetStyle, "h6"}},
        {"code", {C::SheetStyle, "code"}},
        {"pre", {C::SheetStyle, "pre"}},
        {"big", {C::SheetStyle, "big"}},
        {"small", {C::SheetStyle, "small"}},
        {"sub", {C::SheetStyle, "sub"}},
        {"sup", {C::SheetStyle, "sup"}},
        {"span", {C::Span, "span"}},
        {"a", {C::Link, "link"}},
    };
    auto it = tags.find(name);
    return it == tags.end() ? nullptr : &it->second;
}

}  // namespace quivlane
