// Button faces: our gradient fill against the 255-band fallback of the old platform and a
// fill row by row. The display: a repaint with the recoloured glyph sheet kept, against
// one that recolours the sheet every time. Read the figures as ratios within one run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "controls/GradientButton.h"
#include "controls/MatrixDisplay.h"

namespace {

using quivlane::GradientButton;
using quivlane::MatrixDisplay;

QSize FaceSize(const benchmark::State& state) {
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void BM_FaceFill(benchmark::State& state) {
    QImage image(FaceSize(state), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        GradientButton::FillGradient(p, image.rect(), GradientButton::kNormalTop,
                                     GradientButton::kNormalBottom, true);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_FaceFill)->Args({74, 23})->Args({400, 120});

// 255 bands, whatever the height.
void BM_FaceBands255(benchmark::State& state) {
    QImage image(FaceSize(state), QImage::Format_RGB32);
    const QColor a = GradientButton::kNormalTop;
    const QColor b = GradientButton::kNormalBottom;
    for (auto _ : state) {
        QPainter p(&image);
        const int extent = image.height();
        for (int i = 1; i <= 255; ++i) {
            const int top = (i - 1) * extent / 255;
            const int bottom = i * extent / 255;
            const QColor c(a.red() + (b.red() - a.red()) * (i - 1) / 255,
                           a.green() + (b.green() - a.green()) * (i - 1) / 255,
                           a.blue() + (b.blue() - a.blue()) * (i - 1) / 255);
            p.fillRect(QRect(0, top, image.width(), bottom - top), c);
        }
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_FaceBands255)->Args({74, 23})->Args({400, 120});

void BM_FacePerRow(benchmark::State& state) {
    QImage image(FaceSize(state), QImage::Format_RGB32);
    const QColor a = GradientButton::kNormalTop;
    const QColor b = GradientButton::kNormalBottom;
    for (auto _ : state) {
        QPainter p(&image);
        const int last = std::max(image.height() - 1, 1);
        for (int y = 0; y < image.height(); ++y) {
            p.fillRect(QRect(0, y, image.width(), 1),
                       QColor(a.red() + (b.red() - a.red()) * y / last,
                              a.green() + (b.green() - a.green()) * y / last,
                              a.blue() + (b.blue() - a.blue()) * y / last));
        }
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_FacePerRow)->Args({74, 23})->Args({400, 120});

void SetUpDisplay(MatrixDisplay& display) {
    display.SetRows(1);
    display.SetColumns(14);
    display.SetFontSize(2);
    display.SetColours(Qt::black, QColor(100, 255, 255), QColor(50, 60, 80));
    display.SizeToColumns(14);
    display.SizeToRows(1);
    display.SetPadding(true, ' ');
    display.SetText("  Quivlane  ");
}

void BM_DisplayPaint(benchmark::State& state) {
    MatrixDisplay display;
    SetUpDisplay(display);
    QImage target(display.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        display.render(&target);
        display.ScrollStep();
    }
}
BENCHMARK(BM_DisplayPaint);

void BM_DisplayPaintRecolouring(benchmark::State& state) {
    MatrixDisplay display;
    SetUpDisplay(display);
    QImage target(display.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        display.SetColours(Qt::black, QColor(100, 255, 255), QColor(50, 60, 80));
        display.render(&target);
        display.ScrollStep();
    }
}
BENCHMARK(BM_DisplayPaintRecolouring);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
