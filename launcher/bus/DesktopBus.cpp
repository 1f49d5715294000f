#include "launcher/bus/DesktopBus.h"

#include <QDBusConnection>

#include "launcher/bar/BarController.h"
#include "launcher/bar/BarView.h"
#include "launcher/bus/AlarmNotifier.h"
#include "launcher/bus/MprisService.h"
#include "launcher/players/BarPlayers.h"
#include "launcher/players/Mp3FolderPlayer.h"

namespace quivlane {

DesktopBus::DesktopBus(BarView& view, BarController& bar, Mp3FolderPlayer& mp3, BarPlayers& players)
    : view_(view), bar_(bar), mp3_(mp3), players_(players) {
    players_.SetMp3Watcher([this](bool menuOpened) { OnMp3(menuOpened); });
    bar_.SetAlarmWatcher(
        [this](int buttonId, const std::string& label, const std::string& message) {
            if (!notifier_) {
                notifier_ = std::make_unique<AlarmNotifier>(QDBusConnection::sessionBus());
            }
            notifier_->Ring(buttonId, label, message);
        });
}

DesktopBus::~DesktopBus() {
    players_.SetMp3Watcher(nullptr);
    bar_.SetAlarmWatcher(nullptr);
}

void DesktopBus::OnMp3(bool menuOpened) {
    if (!mpris_) {
        // The player joins the bus at its first use; one try, so a bar without a bus does
        // not knock at every tick.
        if (!menuOpened || triedMpris_) {
            return;
        }
        triedMpris_ = true;
        QDBusConnection connection = QDBusConnection::sessionBus();
        if (!connection.isConnected()) {
            return;
        }
        mpris_ = std::make_unique<MprisService>(
            connection, [this] { return MprisRules::Observe(bar_.Players(), mp3_.Engine()); },
            [this](int command) { view_.PostCommand(command); },
            [this] { return bar_.HasTrayIcon(); });
        if (!mpris_->Register()) {
            mpris_.reset();
            return;
        }
    }
    mpris_->Refresh();
}

}  // namespace quivlane
