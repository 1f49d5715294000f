#pragma once

#include <vector>

namespace quivlane {

// A screen rectangle; right and bottom lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const ScreenRect&) const = default;
};

// What the desktop tells about where its notification area is. Empty rectangles are unknown.
struct TrayPlaces {
    ScreenRect icon;      // the icon itself, when the notification area reports it
    ScreenRect screen;    // the whole primary screen
    ScreenRect workArea;  // the screen less the panels
};

// Where hiding aims, and the steps of the hiding animation.
class TrayGeometry {
  public:
    // The icon when known; otherwise near the end of the panel the work area leaves out;
    // otherwise the bottom-right corner of the work area.
    static ScreenRect GetTrayRect(const TrayPlaces& places);
    // `steps` rectangles moving evenly from `from` to `to`; the last one is `to`.
    static std::vector<ScreenRect> AnimationFrames(const ScreenRect& from, const ScreenRect& to,
                                                   int steps);
};

}  // namespace quivlane
