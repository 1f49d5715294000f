#include "tests/support/BarFakes.h"

#include "launcher/bar/PlayerState.h"

namespace quivlane::test {

void RecordingBarView::SetDisplayColours(Rgb background, Rgb lit, Rgb unlit) {
    colours = {background, lit, unlit};
}

void RecordingBarView::SetDisplayText(const std::string& newText) {
    text = newText;
    log.push_back("text:" + newText);
}

void RecordingBarView::PaintDisplayNow() {
    painted.push_back(text);
    log.push_back("paint");
}

void RecordingBarView::StartDisplayScroll(int periodMs, int mode) {
    scrolling = true;
    log.push_back("scroll:" + std::to_string(periodMs) + "," + std::to_string(mode));
}

void RecordingBarView::StopDisplayScroll() {
    scrolling = false;
    log.push_back("stopscroll");
}

void RecordingBarView::SetLight(BarLight light, LightState state) {
    lights[light] = state;
}

void RecordingBarView::SetButtonCaption(int id, const std::string& caption) {
    captions[id] = caption;
}

void RecordingBarView::SetButtonCaptionColour(int id, Rgb colour) {
    captionColours[id] = colour;
}

void RecordingBarView::SetQuitButtonVisible(bool visible) {
    quitVisible = visible;
}

void RecordingBarView::StartTimer(int id, int periodMs) {
    runningTimers[id] = periodMs;
    log.push_back("start-timer:" + std::to_string(id));
}

void RecordingBarView::StopTimer(int id) {
    runningTimers.erase(id);
    log.push_back("stop-timer:" + std::to_string(id));
}

bool RecordingBarView::SetWindowAlpha(int alpha) {
    alphas.push_back(alpha);
    return true;
}

bool RecordingBarView::SetColourKey(Rgb key) {
    colourKeys.push_back(key);
    return true;
}

int RecordingBarView::ShowMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) {
    std::vector<std::string> texts;
    for (const MenuEntry& entry : entries) {
        texts.push_back(entry.text);
    }
    menus.emplace_back(buttonId, texts);
    return menuAnswer;
}

void RecordingBarView::PostCommand(int command) {
    posted.push_back(command);
}

std::string RecordingBarView::RunUrlEntryDialog() {
    ++urlDialogs;
    return urlAnswer;
}

void RecordingBarView::EndBar(bool confirmed) {
    ended = confirmed;
}

void MapSettingsStore::SetPath(const std::string& path) {
    paths.push_back(path);
}

std::string MapSettingsStore::GetValue(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) {
    reads.emplace_back(section, key);
    auto found = values.find({section, key});
    return found == values.end() ? defaultValue : found->second;
}

int MapSettingsStore::SetValue(const std::string& section, const std::string& key,
                               const std::string& value) {
    values[{section, key}] = value;
    return 0;
}

void RecordingPlayers::OpenMp3Menu(int buttonId, PlayerState& state) {
    calls.push_back("mp3-menu:" + std::to_string(buttonId));
    foldersSeen.push_back(state.mp3Folder);
}

void RecordingPlayers::OpenCdMenu(int buttonId, PlayerState&) {
    calls.push_back("cd-menu:" + std::to_string(buttonId));
}

void RecordingPlayers::OnMenuCommand(int command, PlayerState&) {
    calls.push_back("command:" + std::to_string(command));
}

void RecordingPlayers::Tick(PlayerState&) {
    calls.push_back("tick");
}

void RecordingPlayers::StopCd(PlayerState&) {
    calls.push_back("stop-cd");
}

void RecordingPlayers::ReleaseAll(PlayerState&) {
    calls.push_back("release");
}

std::string ScriptedAlarm::RunAlarmDialog(int buttonId, const std::string& configPath) {
    runs.emplace_back(buttonId, configPath);
    return answer;
}

}  // namespace quivlane::test
