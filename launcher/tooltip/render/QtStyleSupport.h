#pragma once

#include <QColor>
#include <QFont>
#include <QPaintDevice>

#include "base/Rgb.h"
#include "launcher/tooltip/core/ColorReader.h"
#include "launcher/tooltip/core/LengthContext.h"

namespace quivlane {

// The few places where styles meet Qt: system colours, font metrics, colour conversion.
class QtStyleSupport {
  public:
    // The system colour names read from the application palette (needs a QGuiApplication).
    static SystemColors ApplicationSystemColors();

    // Metrics of the font as drawn on the device (nullptr: a 96 dpi image).
    static LengthContext LengthContextFor(const QFont& font, const QPaintDevice* device);

    static QColor ToQColor(Rgb color) { return QColor(color.r, color.g, color.b); }
    static Rgb FromQColor(const QColor& color) {
        return Rgb{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                   static_cast<std::uint8_t>(color.blue())};
    }
};

}  // namespace quivlane
