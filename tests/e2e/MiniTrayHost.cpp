// A notification area for whole-program tests: owns the system tray selection of screen 0,
// docks every icon that asks into a strip at the bottom-right corner of the screen and
// prints "ready" once, then "dock <window>" for each request and "gone <window>" when a
// docked icon goes away. The icons that remain always fill the strip from its right end,
// as a panel's do. Killing it and starting it again is what a restart of the panel looks
// like to the icons.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr long kRequestDock = 0;
constexpr int kIconSize = 24;
constexpr int kStripWidth = 120;

// Icons may vanish between their request and our reply; that is no reason to stop.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Right-aligned, the first docked icon rightmost.
void Layout(Display* display, const std::vector<Window>& icons) {
    for (std::size_t i = 0; i < icons.size(); ++i) {
        XMoveWindow(display, icons[i], kStripWidth - kIconSize * static_cast<int>(i + 1), 0);
    }
}

struct DisplayClose {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

}  // namespace

int main() {
    // A busy server may turn a connection away for a moment; a panel starting with the
    // session would simply try again.
    std::unique_ptr<Display, DisplayClose> owned;
    for (int attempt = 0; attempt < 50 && !owned; ++attempt) {
        owned.reset(XOpenDisplay(nullptr));
        if (!owned) {
            usleep(100'000);
        }
    }
    Display* display = owned.get();
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);

    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = 0x404040;
    const Window strip = XCreateWindow(
        display, root, width - kStripWidth, height - kIconSize, kStripWidth, kIconSize, 0,
        CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XSelectInput(display, strip, SubstructureNotifyMask);
    XMapRaised(display, strip);

    const Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
    const Atom manager = XInternAtom(display, "MANAGER", False);
    const Atom opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    const Atom orientation = XInternAtom(display, "_NET_SYSTEM_TRAY_ORIENTATION", False);
    long horizontal = 0;
    XChangeProperty(display, strip, orientation, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&horizontal), 1);
    XSetSelectionOwner(display, selection, strip, CurrentTime);
    if (XGetSelectionOwner(display, selection) != strip) {
        std::fprintf(stderr, "the tray selection is taken\n");
        return 1;
    }
    XEvent announce{};
    announce.xclient.type = ClientMessage;
    announce.xclient.window = root;
    announce.xclient.message_type = manager;
    announce.xclient.format = 32;
    announce.xclient.data.l[0] = CurrentTime;
    announce.xclient.data.l[1] = static_cast<long>(selection);
    announce.xclient.data.l[2] = static_cast<long>(strip);
    XSendEvent(display, root, False, StructureNotifyMask, &announce);
    XFlush(display);
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<Window> icons;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        // A toolkit may dock a second icon and destroy the first when it sees the panel
        // change twice; the survivor must end up where the first one was.
        Window gone = None;
        if (event.type == DestroyNotify) {
            gone = event.xdestroywindow.window;
        } else if (event.type == ReparentNotify && event.xreparent.parent != strip) {
            gone = event.xreparent.window;
        }
        if (gone != None) {
            const auto found = std::find(icons.begin(), icons.end(), gone);
            if (found != icons.end()) {
                icons.erase(found);
                Layout(display, icons);
                XSync(display, False);
                std::printf("gone %lu\n", static_cast<unsigned long>(gone));
                std::fflush(stdout);
            }
            continue;
        }
        if (event.type != ClientMessage || event.xclient.message_type != opcode ||
            event.xclient.data.l[1] != kRequestDock) {
            continue;
        }
        const auto icon = static_cast<Window>(event.xclient.data.l[2]);
        if (std::find(icons.begin(), icons.end(), icon) != icons.end()) {
            continue;
        }
        XReparentWindow(display, icon, strip, 0, 0);
        XResizeWindow(display, icon, kIconSize, kIconSize);
        icons.push_back(icon);
        Layout(display, icons);
        XMapRaised(display, icon);
        XSync(display, False);
        std::printf("dock %lu\n", static_cast<unsigned long>(icon));
        std::fflush(stdout);
    }
}
