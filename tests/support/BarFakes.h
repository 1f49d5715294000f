#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/SettingsStore.h"
#include "launcher/bar/AlarmPort.h"
#include "launcher/bar/BarView.h"
#include "launcher/bar/PlayerPort.h"
#include "launcher/bar/TooltipPort.h"
#include "launcher/bar/TrayPort.h"

namespace quivlane::test {

// The bar's window as state plus an ordered log of what was asked of it.
class RecordingBarView final : public BarView {
  public:
    struct Colours {
        Rgb background;
        Rgb lit;
        Rgb unlit;
        bool operator==(const Colours&) const = default;
    };

    void SetDisplayColours(Rgb background, Rgb lit, Rgb unlit) override;
    void SetDisplayText(const std::string& text) override;
    void PaintDisplayNow() override;
    void StartDisplayScroll(int periodMs, int mode) override;
    void StopDisplayScroll() override;
    void SetLight(BarLight light, LightState state) override;
    void SetButtonCaption(int id, const std::string& caption) override;
    void SetButtonCaptionColour(int id, Rgb colour) override;
    void SetQuitButtonVisible(bool visible) override;
    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    bool SetWindowAlpha(int alpha) override;
    bool SetColourKey(Rgb key) override;
    int ShowMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) override;
    void PostCommand(int command) override;
    std::string RunUrlEntryDialog() override;
    void EndBar(bool confirmed) override;

    // Texts that were on the display each time it was painted.
    std::vector<std::string> painted;
    std::vector<std::string> log;
    std::string text;
    Colours colours;
    bool scrolling = false;
    std::map<BarLight, LightState> lights;
    std::map<int, std::string> captions;
    std::map<int, Rgb> captionColours;
    std::optional<bool> quitVisible;
    std::map<int, int> runningTimers;  // id -> period
    std::vector<int> alphas;
    std::vector<Rgb> colourKeys;
    std::vector<std::pair<int, std::vector<std::string>>> menus;  // button, texts
    int menuAnswer = 0;
    std::vector<int> posted;
    std::string urlAnswer;
    int urlDialogs = 0;
    std::optional<bool> ended;
};

// Settings from a map; an empty map behaves like an absent file.
class MapSettingsStore final : public SettingsStore {
  public:
    void SetPath(const std::string& path) override;
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
    int SetValue(const std::string& section, const std::string& key,
                 const std::string& value) override;

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> paths;
    std::vector<std::pair<std::string, std::string>> reads;
};

class RecordingPlayers final : public PlayerPort {
  public:
    void OpenMp3Menu(int buttonId, PlayerState& state) override;
    void OpenCdMenu(int buttonId, PlayerState& state) override;
    void OnMenuCommand(int command, PlayerState& state) override;
    void Tick(PlayerState& state) override;
    void StopCd(PlayerState& state) override;
    void ReleaseAll(PlayerState& state) override;
    std::vector<std::string> calls;
    std::vector<std::string> foldersSeen;
};

class RecordingTray final : public TrayPort {
  public:
    void Create() override { calls.push_back("create"); }
    bool MinimiseToTray() override {
        calls.push_back("minimise");
        return true;
    }
    void RestoreFromTray() override { calls.push_back("restore"); }
    void Remove() override { calls.push_back("remove"); }
    std::vector<std::string> calls;
};

class ScriptedAlarm final : public AlarmPort {
  public:
    std::string RunAlarmDialog(int buttonId, const std::string& configPath) override;
    std::string answer;
    std::vector<std::pair<int, std::string>> runs;
};

class RecordingTooltips final : public TooltipPort {
  public:
    void AddTool(int buttonId, const std::string& html) override { tools[buttonId] = html; }
    std::map<int, std::string> tools;
};

}  // namespace quivlane::test
