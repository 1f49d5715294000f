#pragma once

#include <memory>

namespace quivlane {

class AlarmNotifier;
class BarController;
class BarPlayers;
class BarView;
class Mp3FolderPlayer;
class MprisService;

// The bar on the session bus: the jukebox as a media player once it has been used, ringing
// alarms as notifications. Nothing touches the bus before either happens, and without a bus
// the bar goes on as it is.
class DesktopBus {
  public:
    // Everything passed in must outlive this object.
    DesktopBus(BarView& view, BarController& bar, Mp3FolderPlayer& mp3, BarPlayers& players);
    // The player leaves the bus here, at the bar's end.
    ~DesktopBus();
    DesktopBus(const DesktopBus&) = delete;
    DesktopBus& operator=(const DesktopBus&) = delete;

  private:
    void OnMp3(bool menuOpened);

    BarView& view_;
    BarController& bar_;
    Mp3FolderPlayer& mp3_;
    BarPlayers& players_;
    std::unique_ptr<MprisService> mpris_;
    std::unique_ptr<AlarmNotifier> notifier_;
    bool triedMpris_ = false;
};

}  // namespace quivlane
