#include "launcher/tray/TrayIcon.h"

namespace quivlane {

void TrayIcon::Create() {
    enabled_ = host_.Available();
    // At log-in the panel often starts after the bar.
    waiting_ = !enabled_;
    if (!enabled_) {
        return;
    }
    if (!host_.AddIcon()) {
        hidden_ = true;
        removed_ = true;
        pending_ = true;
    }
}

void TrayIcon::OnTrayAppeared() {
    if (waiting_) {
        Create();
    }
}

void TrayIcon::Remove() {
    pending_ = false;
    waiting_ = false;
    if (enabled_ && !removed_ && host_.DeleteIcon()) {
        hidden_ = true;
        removed_ = true;
    }
}

void TrayIcon::OnWorkAreaChanged() {
    pending_ = !hidden_;
    AddAgain();
}

void TrayIcon::AddAgain() {
    // Removed at the end means gone for good; so does never having had a notification area.
    if (!enabled_ || removed_ || !pending_ || hidden_) {
        return;
    }
    const bool added = host_.AddIcon();
    hidden_ = !added;
    pending_ = !added;
}

const std::vector<MenuEntry>& TrayIcon::Menu() {
    static const std::vector<MenuEntry> entries{
        {32789, "Afficher Quivlane"},
        {32790, "Quitter Quivlane"},
    };
    return entries;
}

}  // namespace quivlane
