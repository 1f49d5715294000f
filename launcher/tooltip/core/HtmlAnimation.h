#pragma once

namespace quivlane {

// An animated image strip, matched to its ilst tag by order of appearance.
struct HtmlAnimation {
    int frame = 0;
    int frameCount = 0;
    int ticks = 0;
    int ticksPerFrame = 0;
};

}  // namespace quivlane
