#pragma once

#include <QRect>
#include <string>

namespace quivlane {

struct HtmlLinkArea {
    enum Kind { None = 0, Href = 1, Msg = 2 };
    QRect rect;
    int kind = None;
    int index = 0;  // links are numbered from 0 in text order
    std::string target;
};

}  // namespace quivlane
