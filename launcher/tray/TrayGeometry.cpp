#include "launcher/tray/TrayGeometry.h"

#include <cmath>
#include <optional>

namespace quivlane {

namespace {

// The panel is the strip of the screen that the work area leaves out; no strip, no panel.
std::optional<ScreenRect> PanelOf(const ScreenRect& screen, const ScreenRect& work) {
    if (screen.Empty() || work.Empty()) {
        return std::nullopt;
    }
    if (work.bottom < screen.bottom) {
        return ScreenRect{screen.left, work.bottom, screen.right, screen.bottom};
    }
    if (work.top > screen.top) {
        return ScreenRect{screen.left, screen.top, screen.right, work.top};
    }
    if (work.right < screen.right) {
        return ScreenRect{work.right, screen.top, screen.right, screen.bottom};
    }
    if (work.left > screen.left) {
        return ScreenRect{screen.left, screen.top, work.left, screen.bottom};
    }
    return std::nullopt;
}

int Between(int from, int to, int step, int steps) {
    return from + static_cast<int>(std::lround(static_cast<double>(to - from) * step / steps));
}

}  // namespace

ScreenRect TrayGeometry::GetTrayRect(const TrayPlaces& places) {
    if (!places.icon.Empty()) {
        return places.icon;
    }
    if (const auto panel = PanelOf(places.screen, places.workArea)) {
        const ScreenRect& t = *panel;
        const bool vertical = t.bottom - t.top > t.right - t.left;
        if (vertical) {
            return {t.left, t.bottom - 100, t.right, t.bottom - 16};
        }
        return {t.right - 100, t.top, t.right - 16, t.bottom};
    }
    const ScreenRect& w = places.workArea;
    return {w.right - 150, w.bottom - 30, w.right, w.bottom};
}

std::vector<ScreenRect> TrayGeometry::AnimationFrames(const ScreenRect& from, const ScreenRect& to,
                                                      int steps) {
    std::vector<ScreenRect> frames;
    if (steps < 1) {
        return frames;
    }
    frames.reserve(static_cast<std::size_t>(steps));
    for (int i = 1; i <= steps; ++i) {
        frames.push_back(
            {Between(from.left, to.left, i, steps), Between(from.top, to.top, i, steps),
             Between(from.right, to.right, i, steps), Between(from.bottom, to.bottom, i, steps)});
    }
    return frames;
}

}  // namespace quivlane
