#pragma once

#include <string>
#include <vector>

#include "base/Rgb.h"

namespace quivlane {

enum class BarLight { Power, Action };
enum class LightState { BrightRed, DarkRed, BrightGreen };

// One command of a pop-up menu.
struct MenuEntry {
    int command;
    std::string text;
};

// What the bar's rules ask of its window. Ids are the bar's control and timer ids.
class BarView {
  public:
    virtual ~BarView() = default;

    virtual void SetDisplayColours(Rgb background, Rgb lit, Rgb unlit) = 0;
    virtual void SetDisplayText(const std::string& text) = 0;
    // Paints the display before returning, so a following wait shows the text.
    virtual void PaintDisplayNow() = 0;
    virtual void StartDisplayScroll(int periodMs, int mode) = 0;
    virtual void StopDisplayScroll() = 0;
    virtual void SetLight(BarLight light, LightState state) = 0;

    virtual void SetButtonCaption(int id, const std::string& caption) = 0;
    virtual void SetButtonCaptionColour(int id, Rgb colour) = 0;
    virtual void SetQuitButtonVisible(bool visible) = 0;

    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;

    // Both report false when the window system cannot do it.
    virtual bool SetWindowAlpha(int alpha) = 0;
    virtual bool SetColourKey(Rgb key) = 0;

    // A pop-up whose top-left corner is the button's bottom-left corner; either mouse button
    // chooses. The chosen command, or 0.
    virtual int ShowMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) = 0;
    // Hands a command to the bar once the current event is done, as a posted message is.
    virtual void PostCommand(int command) = 0;

    // Runs the web-address entry modally; the address typed, or empty when cancelled.
    virtual std::string RunUrlEntryDialog() = 0;
    // Ends the bar's modal loop, confirmed (quit) or cancelled (close request).
    virtual void EndBar(bool confirmed) = 0;
};

}  // namespace quivlane
