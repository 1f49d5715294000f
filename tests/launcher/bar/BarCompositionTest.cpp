#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <memory>

#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "controls/MatrixDisplay.h"
#include "controls/SkinnedDialog.h"
#include "resources/ResourceNames.h"

namespace quivlane {
namespace {

template <typename T>
T* Child(QWidget* parent, QRect geometry) {
    auto owned = std::make_unique<T>(parent);
    owned->setGeometry(geometry);
    return owned.release();  // the parent owns it
}

// The bar's controls laid out on the bar picture, as the launcher does it: the display must
// land in the picture's display window and the lamps in their sockets.
TEST(BarCompositionTest, TheControlsFitThePicture) {
    SkinnedDialog bar;
    ASSERT_TRUE(bar.SetBackgroundFromResource(resources::kBar));
    bar.resize(SkinnedDialog::DialogUnitsToPixels(0, 0, 131, 258).size());
    ASSERT_TRUE(bar.SetColourKey(QColor(255, 254, 255)));

    auto* display = Child<MatrixDisplay>(&bar, SkinnedDialog::DialogUnitsToPixels(14, 35, 93, 14));
    display->SetRows(1);
    display->SetColumns(14);
    display->SetFontSize(2);
    display->SetColours(Qt::black, QColor(100, 255, 255), QColor(50, 60, 80));
    display->SizeToColumns(14);
    display->SizeToRows(1);
    display->SetPadding(true, ' ');
    display->SetText("  Quivlane  ");
    auto* power = Child<IndicatorLight>(&bar, SkinnedDialog::DialogUnitsToPixels(13, 49, 13, 11));
    auto* action = Child<IndicatorLight>(&bar, SkinnedDialog::DialogUnitsToPixels(47, 49, 13, 11));
    power->SetLight(16, 0, 0);
    action->SetLight(0, 1, 0);
    const int rows[] = {63, 79, 96, 113, 130, 146, 163, 180, 197, 214};
    for (int i = 0; i < 20; ++i) {
        auto* button = Child<GradientButton>(
            &bar, SkinnedDialog::DialogUnitsToPixels(i % 2 == 0 ? 14 : 70, rows[i / 2], 49, 14));
        button->SetGradient(true);
        button->SetStyle(2);
        button->setText(i == 19 ? QStringLiteral("Quitter") : QStringLiteral("RIEN"));
        button->SetTextColour(i == 19 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }

    const QImage shown = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const char* dir = std::getenv("QUIVLANE_PREVIEW_DIR")) {
        shown.save(QString::fromLocal8Bit(dir) + QStringLiteral("/bar_preview.png"));
    }
    const QImage& picture = bar.Background();

    // The display's frame lies inside the dark glass of the picture.
    const QRect d = display->geometry();
    EXPECT_EQ(d, QRect(21, 57, 158, 19));
    for (const QPoint p : {d.topLeft() - QPoint(2, 2), d.bottomRight() + QPoint(2, 2),
                           QPoint(d.center().x(), d.top() - 2)}) {
        EXPECT_LT(picture.pixelColor(p).value(), 90) << p.x() << "," << p.y();
    }
    // Each lamp is ringed by its socket.
    for (const IndicatorLight* lamp : {power, action}) {
        const QRect r = lamp->LampRect().translated(lamp->pos());
        const QPoint c = r.center();
        for (const QPoint p :
             {c, c + QPoint(6, 0), c - QPoint(6, 0), c + QPoint(0, 6), c - QPoint(0, 6)}) {
            EXPECT_LT(picture.pixelColor(p).value(), 100) << p.x() << "," << p.y();
        }
    }
    // And the buttons stay on the panel, clear of the key colour.
    const QRegion mask = bar.mask();
    for (const QObject* child : bar.children()) {
        if (const auto* button = qobject_cast<const GradientButton*>(child)) {
            const QRect g = button->geometry();
            EXPECT_TRUE(mask.contains(g.topLeft()) && mask.contains(g.bottomRight()));
        }
    }
}

}  // namespace
}  // namespace quivlane
