#include "controls/IndicatorLight.h"

#include <QPainter>
#include <QString>

#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

QImage LoadSheet() {
    QImage sheet =
        QImage(QString::fromLatin1(resources::kLights)).convertToFormat(QImage::Format_ARGB32);
    // Magenta is the sheet's transparent colour.
    const QRgb magenta = qRgb(255, 0, 255);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            if ((line[x] | 0xFF000000u) == magenta) {
                line[x] = 0;
            }
        }
    }
    return sheet;
}

}  // namespace

IndicatorLight::IndicatorLight(QWidget* parent) : QWidget(parent), sheet_(LoadSheet()) {
    // Like a static control, the lamp lets presses through, so the dialog can be dragged by it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

IndicatorLight::~IndicatorLight() = default;

void IndicatorLight::SetLight(int row, int column, int extra) {
    row_ = row;
    column_ = column;
    extra_ = extra;
    repaint();
}

QRect IndicatorLight::LampRect() const {
    if (width() > 15 && height() > 15) {
        return {(width() - kCell) / 2, (height() - kCell) / 2, kCell, kCell};
    }
    return {0, 0, kCell, kCell};
}

void IndicatorLight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(LampRect().topLeft(), sheet_,
                      QRect(column_ * kCell, row_ + extra_, kCell, kCell));
}

}  // namespace quivlane
