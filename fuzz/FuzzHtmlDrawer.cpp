// Arbitrary markup measured and drawn into a small image, then the pointer calls a tip makes,
// then the same markup shown as the bar's balloon: sizing, placement, the grab beneath it.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "launcher/tooltip/core/TooltipStateMachine.h"
#include "launcher/tooltip/render/HtmlDrawer.h"
#include "launcher/tooltip/window/HtmlTooltip.h"
#include "platform/shell/Shell.h"

namespace {

class NullShell final : public quivlane::Shell {
  public:
    bool Open(const std::string&) override { return false; }
    bool OpenInBrowser(const std::string&) override { return false; }
    bool Start(const std::string&, const std::string&) override { return false; }
};

// The editor lets a comment hold 500 characters; the option byte comes on top.
constexpr std::size_t kMaxInput = 501;

struct Bar {
    NullShell shell;
    QWidget owner;
    QWidget button{&owner};
    quivlane::HtmlTooltip tip{shell};
};

std::unique_ptr<QApplication>& AppHolder() {
    static std::unique_ptr<QApplication> app;
    return app;
}

std::unique_ptr<Bar>& BarHolder() {
    static std::unique_ptr<Bar> bar;
    return bar;
}

Bar& TheBar() {
    std::unique_ptr<Bar>& bar = BarHolder();
    if (bar) {
        return *bar;
    }
    bar = [] {
        auto made = std::make_unique<Bar>();
        made->owner.setGeometry(0, 500, 800, 100);
        made->button.setGeometry(10, 10, 100, 40);
        made->owner.show();
        made->tip.Create(&made->owner, true);
        made->tip.SetBehaviour(quivlane::TooltipStateMachine::kReshowInTool);
        made->tip.SetDelayTime(quivlane::TooltipStateMachine::kDelayAutoPop, 10000);
        made->tip.SetDelayTime(quivlane::TooltipStateMachine::kDelayInitial, 0);
        return made;
    }();
    return *bar;
}

void ShowAsTip(const std::string& text, std::uint8_t options) {
    Bar& bar = TheBar();
    bar.tip.SetTooltipShadow((options & 0x08) != 0 ? 4 : 0, (options & 0x10) != 0 ? 4 : 0, 50, true,
                             7, 7);
    bar.tip.AddTool(&bar.button, text);
    // Near a corner of the screen too, where the tip has the least room.
    const QPoint local((options & 0x20) != 0 ? 2 : 50, (options & 0x40) != 0 ? 2 : 20);
    const QPoint global = bar.button.mapToGlobal(local);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    bar.tip.RelayEvent(&bar.button, &move);
    if (bar.tip.isVisible()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && !screen->geometry().contains(bar.tip.geometry())) {
            std::abort();
        }
        const QImage frame = bar.tip.RenderTip(bar.tip.Opacity());
        if (frame.size() != bar.tip.size()) {
            std::abort();
        }
    }
    bar.tip.HideTooltip();
    // Qt makes some of its globals on the first pointer event; the widgets must go before
    // they do at exit, so their handler is registered after them.
    static const bool registered = [] {
        return std::atexit([] {
                   BarHolder().reset();
                   // Qt's input devices are gone by now and the application would touch them.
                   static_cast<void>(AppHolder().release());
               }) == 0;
    }();
    (void)registered;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_html_drawer";
    static char* argv[] = {name, nullptr};
    AppHolder() = std::make_unique<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > kMaxInput) {
        return 0;
    }
    // The first byte picks the drawer's switches, the rest is the markup.
    const std::uint8_t options = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    NullShell shell;
    quivlane::HtmlDrawer drawer(shell);
    drawer.SetMaxWidth((options & 0x01) != 0 ? 1 + (options >> 3) * 4 : 0);
    drawer.SetLineBreaks((options & 0x02) == 0);
    drawer.SetEnabled((options & 0x04) == 0);

    QImage image(160, 120, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    const QSize measured = drawer.PrepareDrawing(image, text);
    if (measured.width() < 1 || measured.height() < 1) {
        std::abort();
    }
    drawer.DrawPreparedHtml(image, QRect(2, 2, measured.width() - 1, measured.height() - 1));
    // Copied: clicks and hovers may not invalidate what is being walked, but check that too.
    const auto areas = drawer.LinkAreas();
    for (const auto& area : areas) {
        // Edges count, so even an area of no width holds its corner.
        const QPoint corner = area.rect.topLeft();
        if (drawer.HitLink(corner) < 0) {
            std::abort();
        }
        drawer.OnMouseMove(corner);
        drawer.OnClick(corner);
    }
    drawer.AdvanceAnimations();
    drawer.DrawPreparedHtml(image, QRect(0, 0, 160, 120));

    if (!text.empty()) {
        ShowAsTip(text, options);
    }
    // Qt trims its font caches from timers; without an event loop they would only grow.
    static unsigned runs = 0;
    if (++runs % 256 == 0) {
        QCoreApplication::processEvents();
    }
    return 0;
}
