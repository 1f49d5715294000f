#include "launcher/tooltip/render/QtStyleSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <QString>

namespace quivlane {

SystemColors QtStyleSupport::ApplicationSystemColors() {
    const QPalette palette = QGuiApplication::palette();
    const auto active = [&palette](QPalette::ColorRole role) {
        return FromQColor(palette.color(QPalette::Active, role));
    };
    const auto inactive = [&palette](QPalette::ColorRole role) {
        return FromQColor(palette.color(QPalette::Inactive, role));
    };
    const auto disabled = [&palette](QPalette::ColorRole role) {
        return FromQColor(palette.color(QPalette::Disabled, role));
    };
    // The nearest palette role for each of the classic desktop colours.
    return SystemColors{
        {"activeborder", active(QPalette::Window)},
        {"activecaption", active(QPalette::Highlight)},
        {"appworkspace", active(QPalette::Mid)},
        {"background", active(QPalette::Dark)},
        {"buttonface", active(QPalette::Button)},
        {"threedface", active(QPalette::Button)},
        {"buttonhighlight", active(QPalette::Light)},
        {"threedhighlight", active(QPalette::Light)},
        {"buttonshadow", active(QPalette::Dark)},
        {"threedshadow", active(QPalette::Dark)},
        {"buttontext", active(QPalette::ButtonText)},
        {"captiontext", active(QPalette::HighlightedText)},
        {"graytext", disabled(QPalette::WindowText)},
        {"highlight", active(QPalette::Highlight)},
        {"highlighttext", active(QPalette::HighlightedText)},
        {"inactiveborder", inactive(QPalette::Window)},
        {"inactivecaption", active(QPalette::Mid)},
        {"inactivecaptiontext", disabled(QPalette::WindowText)},
        {"infobackground", active(QPalette::ToolTipBase)},
        {"infotext", active(QPalette::ToolTipText)},
        {"menu", active(QPalette::Window)},
        {"menutext", active(QPalette::WindowText)},
        {"scrollbar", active(QPalette::Midlight)},
        {"threeddarkshadow", active(QPalette::Shadow)},
        {"threedlightshadow", active(QPalette::Midlight)},
        {"window", active(QPalette::Base)},
        {"windowframe", active(QPalette::Shadow)},
        {"windowtext", active(QPalette::Text)},
    };
}

LengthContext QtStyleSupport::LengthContextFor(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    LengthContext context;
    context.dpiY = device ? device->logicalDpiY() : 96;
    context.fontHeight = metrics.height();
    context.xTextHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("x")).height();
    return context;
}

}  // namespace quivlane
