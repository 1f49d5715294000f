// Arbitrary markup measured and drawn into a small image, then the pointer calls a tip makes.
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "launcher/tooltip/HtmlDrawer.h"
#include "platform/Shell.h"

namespace {

class NullShell final : public quivlane::Shell {
  public:
    bool Open(const std::string&) override { return false; }
    bool OpenInBrowser(const std::string&) override { return false; }
    bool Start(const std::string&, const std::string&) override { return false; }
};

// Tips are short; longer inputs only slow the search down.
constexpr std::size_t kMaxInput = 4096;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_html_drawer";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
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
    // Qt trims its font caches from timers; without an event loop they would only grow.
    static unsigned runs = 0;
    if (++runs % 256 == 0) {
        QCoreApplication::processEvents();
    }
    return 0;
}
