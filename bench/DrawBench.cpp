#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdint>

#include "launcher/tooltip/render/DrawManager.h"

namespace {

using quivlane::DrawManager;
using quivlane::Rgb;

QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            line[x] = 0xFF000000u | static_cast<std::uint32_t>((x * 7 + y * 13) & 0xFFFFFF);
        }
    }
    return image;
}

// The soft shadow's cost should not depend on its depth: compare Arg 7 with Arg 31.
void BM_SoftShadow(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    QImage mask(400, 200, QImage::Format_RGB32);
    mask.fill(0xFFFFFFFFu);
    for (int y = 40; y < 160; ++y) {
        for (int x = 60; x < 340; ++x) {
            mask.setPixel(x, y, 0xFF808080u);
        }
    }
    const QImage canvas = Pattern(400, 200);
    DrawManager dm;
    for (auto _ : state) {
        state.PauseTiming();
        QImage dc = canvas.copy();
        state.ResumeTiming();
        dm.DrawShadow(dc, 0, 0, 400, 200, mask, true, depth, depth);
        benchmark::DoNotOptimize(dc.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 400 * 200);
}
BENCHMARK(BM_SoftShadow)->Arg(7)->Arg(31)->Unit(benchmark::kMicrosecond);

// Items are pixels, so items per second reads as pixels per second.
void BM_ApplyImageEffects(benchmark::State& state) {
    const QImage image = Pattern(1024, 1024);
    DrawManager dm;
    const unsigned effects = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        QImage out =
            dm.ApplyImageEffects(image, 1024, 1024, effects, true, Rgb{255, 0, 255}, Rgb{0, 0, 0});
        benchmark::DoNotOptimize(out.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_ApplyImageEffects)
    ->Arg(DrawManager::kEffectGrey | DrawManager::kEffectDarken)
    ->Arg(DrawManager::kEffectReplace | DrawManager::kEffectInvert)
    ->Unit(benchmark::kMicrosecond);

// The floor for the effects: copying the same image without touching its pixels.
void BM_PlainCopy(benchmark::State& state) {
    const QImage image = Pattern(1024, 1024);
    for (auto _ : state) {
        QImage out = image.copy();
        benchmark::DoNotOptimize(out.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
