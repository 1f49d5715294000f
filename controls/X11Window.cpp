#include "controls/X11Window.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace quivlane {

namespace {

Display* ServerDisplay() {
    auto* x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->display();
}

}  // namespace

void X11Window::AskNoTaskbarEntry(QWidget& window) {
    Display* display = ServerDisplay();
    if (display == nullptr) {
        return;
    }
    const auto id = static_cast<Window>(window.winId());
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom wanted[] = {XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False),
                           XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False)};
    // Qt merges its own states (above, modal) into what it finds there at map time.
    std::vector<Atom> atoms;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, id, state, 0, 1024, False, XA_ATOM, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        if (type == XA_ATOM && format == 32) {
            const auto* present = reinterpret_cast<const Atom*>(data);
            atoms.assign(present, present + count);
        }
        XFree(data);
    }
    for (Atom a : wanted) {
        if (std::find(atoms.begin(), atoms.end(), a) == atoms.end()) {
            atoms.push_back(a);
        }
    }
    XChangeProperty(display, id, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(atoms.data()),
                    static_cast<int>(atoms.size()));
    XFlush(display);
}

std::optional<QPoint> X11Window::ServerPosition(const QWidget& window) {
    Display* display = ServerDisplay();
    if (display == nullptr || !window.testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, static_cast<Window>(window.winId()),
                               DefaultRootWindow(display), 0, 0, &x, &y, &child)) {
        return std::nullopt;
    }
    return QPoint(x, y);
}

bool X11Window::CompositorRunning() {
    Display* display = ServerDisplay();
    if (display == nullptr) {
        // Elsewhere the platform blends windows itself.
        return true;
    }
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, name.c_str(), False)) != 0;
}

}  // namespace quivlane
