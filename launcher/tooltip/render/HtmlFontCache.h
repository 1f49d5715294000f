#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <map>
#include <memory>
#include <string>

#include "launcher/tooltip/core/LengthContext.h"
#include "launcher/tooltip/core/TextStyle.h"

namespace quivlane {

// A style's font with the metrics the layout reads.
struct HtmlFont {
    QFont font;
    std::shared_ptr<const QFontMetrics> metrics;
    int ascent = 0;
    int descent = 0;
    int height = 0;  // cell height: ascent plus descent
    LengthContext lengths;
};

// Fonts by style, kept between passes: a tip is drawn again at every fade step.
class HtmlFontCache {
  public:
    const HtmlFont& Get(const TextStyle& style, const QPaintDevice& device);

  private:
    int dpiX_ = -1;
    int dpiY_ = -1;
    std::map<std::string, HtmlFont, std::less<>> fonts_;
};

}  // namespace quivlane
