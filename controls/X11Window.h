#pragma once

#include <QPoint>
#include <optional>

class QWidget;

namespace quivlane {

// What the dialogs need of the X server beyond Qt's own window handling. Every call does
// nothing (or answers "unknown") on another window system.
class X11Window {
  public:
    // Asks for no taskbar or pager entry. Must be called while the window is unmapped: the
    // window manager reads the state at map time and drops it at every unmap.
    static void AskNoTaskbarEntry(QWidget& window);
    // Where the server has the window's top-left corner on the root, whatever Qt believes.
    static std::optional<QPoint> ServerPosition(const QWidget& window);
    // Whether a compositing manager draws the screen (window opacity has an effect).
    static bool CompositorRunning();
};

}  // namespace quivlane
