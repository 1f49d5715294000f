#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/Rgb.h"
#include "config/ButtonSettings.h"
#include "config/ConfigFile.h"
#include "config/SettingsStore.h"
#include "launcher/bar/BarPorts.h"
#include "launcher/bar/BarView.h"
#include "launcher/bar/ButtonAlarm.h"
#include "launcher/bar/FeaturePorts.h"
#include "launcher/bar/PlayerState.h"

namespace quivlane {

// The launcher bar's rules, apart from any window: start-up reads, clicks and keywords,
// the one-second tick, fading, farewell and close.
class BarController {
  public:
    static constexpr int kButtonCount = config::kButtonCount;
    static constexpr int kFirstButtonId = config::kFirstButtonId;
    static constexpr int kLastButtonId = config::kLastButtonId;
    static constexpr int kQuitButtonId = 1;
    static constexpr int kFadeTimerId = 1;
    static constexpr int kTickTimerId = 2;
    static constexpr int kFadePeriodMs = 60000;
    static constexpr int kTickPeriodMs = 1000;
    static constexpr int kMenuShowBar = 32789;
    static constexpr int kMenuQuitBar = 32790;
    static constexpr Rgb kColourKey{255, 254, 255};

    enum class AutoHideState { Shown = 0, Armed = 1, Faded = 2 };

    BarController(BarView& view, SettingsStore& settings, BarPorts ports);

    void SetFeatures(const FeaturePorts& features) { features_ = features; }
    // Told of each alarm as it rings: the button, its label and the display's text.
    using AlarmWatcher =
        std::function<void(int buttonId, const std::string& label, const std::string& message)>;
    void SetAlarmWatcher(AlarmWatcher watcher) { alarmWatcher_ = std::move(watcher); }

    // Reads the configuration and brings the window to its starting look.
    void StartUp(const std::string& configPath);

    void OnButtonClicked(int id);
    // Runs the keyword's action; the alarm dialog's answer lands in alarmResult.
    void DispatchKeyword(const std::string& link, int buttonId, std::string& alarmResult);
    void OnTimer(int id);
    // A mouse move over the bar's own surface (not over a control).
    void OnMouseMoveOverBar();
    void OnMenuCommand(int command);
    // For the players' menus: shows the menu under the button and posts the chosen command.
    void RunMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries);
    void FarewellAndQuit();
    // Everything released on a close request, before the dialog ends.
    void ReleaseOnClose();
    void OnDestroy();

    void ShowMessage(const std::string& text);
    void ShowGreeting(const std::string& text);
    int FindButtonWithLink(const std::string& text, int firstId);
    void ShutDownComputer();

    static Rgb CaptionColour(const std::string& colourName);
    static Rgb ClockColour(int hour);
    // The click's routing rule: true when the link belongs to the desktop shell.
    static bool GoesToShell(const std::string& link);

    const ButtonSettings& Button(int index) const { return buttons_.at(index); }
    const ButtonAlarm& Alarm(int index) const { return alarms_.at(index); }
    const std::string& Caption(int index) const { return captions_.at(index); }
    const std::string& ConfigPath() const { return configPath_; }
    bool SoundOn() const { return switches_.soundOn; }
    bool TooltipsOn() const { return switches_.tooltipsOn; }
    bool ClockOn() const { return switches_.clockOn; }
    bool AutoHideOn() const { return switches_.autoHideOn; }
    bool QuitButtonShown() const { return switches_.quitButtonShown; }
    bool HasTrayIcon() const { return hasTrayIcon_; }
    bool Hidden() const { return hidden_; }
    int LastClickedId() const { return lastClickedId_; }
    AutoHideState FadeState() const { return autoHideState_; }
    PlayerState& Players() { return players_; }
    // Lets the tray restore the bar; the hidden flag is otherwise the bar's own.
    void SetHidden(bool hidden) { hidden_ = hidden; }

  private:
    void SetCaption(int index, const std::string& caption);
    void Tick();
    void Fade();
    void ReleaseTray();

    BarView& view_;
    SettingsStore& settings_;
    BarPorts ports_;
    FeaturePorts features_;
    AlarmWatcher alarmWatcher_;

    std::string configPath_;
    std::array<ButtonSettings, kButtonCount> buttons_{};
    std::array<ButtonAlarm, kButtonCount> alarms_{};
    std::array<std::string, kButtonCount> captions_{};
    LauncherSettings switches_;
    bool hasTrayIcon_ = false;
    bool hidden_ = false;
    bool closed_ = false;
    int lastClickedId_ = -1;
    AutoHideState autoHideState_ = AutoHideState::Shown;
    PlayerState players_;
};

}  // namespace quivlane
