#pragma once

namespace quivlane {

struct PlayerState;

// The MP3 folder player and the CD player, reached from clicks, menus and the tick.
class PlayerPort {
  public:
    virtual ~PlayerPort() = default;
    // The MP3 folder in the state is already set from the link; creates the engine when
    // needed, fills the list and runs the MP3 menu under the button.
    virtual void OpenMp3Menu(int buttonId, PlayerState& state) = 0;
    // Creates the MP3 engine too when there is none, as the MP3 menu does.
    virtual void OpenCdMenu(int buttonId, PlayerState& state) = 0;
    // Menu commands 32771 to 32788.
    virtual void OnMenuCommand(int command, PlayerState& state) = 0;
    // The MP3 and CD steps at the end of each tick.
    virtual void Tick(PlayerState& state) = 0;
    // Farewell: a playing CD is stopped and released.
    virtual void StopCd(PlayerState& state) = 0;
    // Close request: everything the players hold is stopped and released.
    virtual void ReleaseAll(PlayerState& state) = 0;
};

}  // namespace quivlane
