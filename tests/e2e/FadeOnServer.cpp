// Runs on a real X server: the fade's steps as the server holds them, read over a connection
// of our own while the bar waits between them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QWindow>
#include <cmath>
#include <memory>
#include <vector>

#include "config/XmlSettingsStore.h"
#include "launcher/bar/LauncherBar.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

// Last: Xlib's macros (Status, Bool, None) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace quivlane::test {
namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The window's opacity on the server, in steps of 255; -1 when it has none.
int ServerOpacity(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_WINDOW_OPACITY", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return -1;
    }
    const std::unique_ptr<unsigned char, int (*)(void*)> owned(data, XFree);
    if (count != 1 || format != 32) {
        return -1;
    }
    const auto value = static_cast<double>(*reinterpret_cast<unsigned long*>(data));
    return static_cast<int>(std::lround(value * 255.0 / 0xFFFFFFFFu));
}

// Reads the server at every wait, as another client would see the bar then.
class ServerWatchingClock final : public Clock {
  public:
    LocalTime Now() const override { return {}; }
    void Wait(int /*milliseconds*/) override {
        seen.push_back(ServerOpacity(display.get(), window));
    }

    std::unique_ptr<Display, DisplayCloser> display{XOpenDisplay(nullptr)};
    Window window = 0;
    std::vector<int> seen;
};

TEST(FadeOnServer, EachStepIsOnTheServerBeforeItsWait) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TempDir dir;
    dir.Write("Quivlane.xml",
              "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><AUTOHIDE>OUI</AUTOHIDE>"
              "</PARAMETRES></XMLConfigSettings>");
    ServerWatchingClock clock;
    ASSERT_NE(clock.display, nullptr);
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
    LauncherBar bar(BarPorts{clock, shell, sound, power, boxes}, store, dir.File("Quivlane"));
    bar.Start();
    bar.show();
    const QDeadlineTimer patience(10000);
    while (!(bar.windowHandle() != nullptr && bar.windowHandle()->isExposed()) &&
           !patience.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_TRUE(bar.windowHandle() != nullptr && bar.windowHandle()->isExposed());
    clock.window = static_cast<Window>(bar.winId());

    // The first period arms the fade, the second runs it without returning to the event loop.
    bar.Controller().OnTimer(BarController::kFadeTimerId);
    bar.Controller().OnTimer(BarController::kFadeTimerId);
    clock.seen.push_back(ServerOpacity(clock.display.get(), clock.window));
    EXPECT_EQ(clock.seen, (std::vector<int>{250, 150, 50}));
}

}  // namespace
}  // namespace quivlane::test
