#include "config/ConfigFile.h"

#include <algorithm>

namespace quivlane {

namespace {

bool IsNot(const std::string& value, const char* word) {
    return value != word;
}

}  // namespace

std::string ButtonSection(int n) {
    return config::kButtonPrefix + std::to_string(n);
}

std::string SwitchValue(bool on) {
    return on ? config::kOui : config::kNon;
}

LauncherConfig ReadLauncherConfig(SettingsStore& store, const std::string& configPath,
                                  const std::string& hideLink) {
    using namespace config;
    store.SetPath(configPath);
    LauncherConfig result;
    LauncherSettings& settings = result.settings;
    settings.quitButtonShown = IsNot(store.GetValue(kSettingsSection, kBoutonQuitter, kOui), kNon);
    settings.soundOn = IsNot(store.GetValue(kSettingsSection, kSon, kNon), kNon);
    settings.tooltipsOn = IsNot(store.GetValue(kSettingsSection, kTooltips, kNon), kNon);
    for (int n = 1; n <= kButtonCount; ++n) {
        const std::string section = ButtonSection(n);
        ButtonSettings& button = result.buttons[static_cast<std::size_t>(n - 1)];
        button.label = store.GetValue(section, kTexte, "RIEN");
        button.link = store.GetValue(section, kLien, "");
        button.colourName = store.GetValue(section, kCouleurTexte, "NOIR");
        button.comment = store.GetValue(section, kCommentaire, "");
    }
    // The search comes before the last two switches: the launcher has always read them so.
    result.hideButtonId = FindButtonWithLink(store, configPath, hideLink);
    settings.autoHideOn = store.GetValue(kSettingsSection, kAutohide, kNon) == kOui;
    settings.clockOn = IsNot(store.GetValue(kSettingsSection, kHorloge, kNon), kNon);
    return result;
}

int FindButtonWithLink(SettingsStore& store, const std::string& configPath, const std::string& link,
                       int firstId) {
    store.SetPath(configPath);
    // Ids below the first button would address records that do not exist.
    const int first = std::max(firstId, config::kFirstButtonId);
    for (int id = first; id <= config::kLastButtonId; ++id) {
        const int n = id - config::kFirstButtonId + 1;
        if (store.GetValue(ButtonSection(n), config::kLien, "RIEN") == link) {
            return id;
        }
    }
    return -1;
}

EditorSwitches ReadEditorSwitches(SettingsStore& store) {
    using namespace config;
    const auto ticked = [&store](const char* key, const char* unset) {
        return store.GetValue(kSettingsSection, key, unset) == kOui;
    };
    EditorSwitches switches;
    switches.son = ticked(kSon, kOui);
    switches.boutonQuitter = ticked(kBoutonQuitter, kOui);
    switches.tooltips = ticked(kTooltips, kOui);
    switches.autostart = ticked(kAutostart, kNon);
    switches.autohide = ticked(kAutohide, kNon);
    switches.horloge = ticked(kHorloge, kNon);
    return switches;
}

ButtonSettings ReadButtonForEditor(SettingsStore& store, const std::string& section) {
    using namespace config;
    ButtonSettings button;
    button.label = store.GetValue(section, kTexte, "");
    button.link = store.GetValue(section, kLien, "");
    button.comment = store.GetValue(section, kCommentaire, "");
    button.colourName = store.GetValue(section, kCouleurTexte, "");
    return button;
}

}  // namespace quivlane
