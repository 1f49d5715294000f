// The renderer against QTextDocument on the same markup, timed side by side in each
// iteration: a launcher tip (a two-line comment in h1) and a 10 x 10 table.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "launcher/tooltip/render/HtmlDrawer.h"
#include "platform/shell/Shell.h"

namespace {

class NullShell final : public quivlane::Shell {
  public:
    bool Open(const std::string&) override { return false; }
    bool OpenInBrowser(const std::string&) override { return false; }
    bool Start(const std::string&, const std::string&) override { return false; }
};

const std::string kTip =
    "<h1>Ouvre le dossier des documents<br>et les photos de l'\xC3\xA9t\xC3\xA9</h1>";

std::string Table() {
    std::string t = "<table border=1 cellpadding=2>";
    for (int r = 0; r < 10; ++r) {
        t += "<tr>";
        for (int c = 0; c < 10; ++c) {
            t += "<td>r" + std::to_string(r) + "c" + std::to_string(c) + "</td>";
        }
        t += "</tr>";
    }
    return t + "</table>";
}

double Micros(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void SideBySide(benchmark::State& state, const std::string& markup) {
    NullShell shell;
    quivlane::HtmlDrawer drawer(shell);
    QImage image(800, 600, QImage::Format_ARGB32);
    const QString html = QString::fromStdString(markup);
    double ours = 0;
    double qt = 0;
    for (auto _ : state) {
        image.fill(0xFFFFFFFFu);
        auto t0 = std::chrono::steady_clock::now();
        const QSize size = drawer.PrepareDrawing(image, markup);
        drawer.DrawPreparedHtml(image, QRect(QPoint(0, 0), size));
        auto t1 = std::chrono::steady_clock::now();
        {
            QTextDocument doc;
            doc.setHtml(html);
            const QSizeF docSize = doc.size();
            QPainter painter(&image);
            doc.drawContents(&painter, QRectF(QPointF(0, 0), docSize));
        }
        auto t2 = std::chrono::steady_clock::now();
        ours += Micros(t1 - t0);
        qt += Micros(t2 - t1);
        benchmark::DoNotOptimize(image.constBits());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["htmldrawer_us"] = ours / n;
    state.counters["qtextdocument_us"] = qt / n;
    state.counters["ratio"] = qt > 0 ? ours / qt : 0;
}

void BM_TipAgainstQTextDocument(benchmark::State& state) {
    SideBySide(state, kTip);
}
BENCHMARK(BM_TipAgainstQTextDocument)->Unit(benchmark::kMicrosecond);

void BM_TableAgainstQTextDocument(benchmark::State& state) {
    SideBySide(state, Table());
}
BENCHMARK(BM_TableAgainstQTextDocument)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
