#include "config/ConfigFile.h"

#include <algorithm>

namespace quivlane {

namespace {

bool IsNot(const std::string& value, const char* word) {
    return value != word;
}

}  // namespace

std::string ButtonSection(int n) {
    return "BOUTON" + std::to_string(n);
}

std::string SwitchValue(bool on) {
    return on ? config::kOui : config::kNon;
}

void ReadLauncherLeadingSwitches(SettingsStore& store, LauncherSettings& settings) {
    using namespace config;
    settings.quitButtonShown = IsNot(store.GetValue(kSettingsSection, kBoutonQuitter, kOui), kNon);
    settings.soundOn = IsNot(store.GetValue(kSettingsSection, kSon, kNon), kNon);
    settings.tooltipsOn = IsNot(store.GetValue(kSettingsSection, kTooltips, kNon), kNon);
}

void ReadLauncherTrailingSwitches(SettingsStore& store, LauncherSettings& settings) {
    using namespace config;
    settings.autoHideOn = store.GetValue(kSettingsSection, kAutohide, kNon) == kOui;
    settings.clockOn = IsNot(store.GetValue(kSettingsSection, kHorloge, kNon), kNon);
}

LauncherSettings ReadLauncherSettings(SettingsStore& store) {
    LauncherSettings settings;
    ReadLauncherLeadingSwitches(store, settings);
    ReadLauncherTrailingSwitches(store, settings);
    return settings;
}

ButtonSettings ReadButtonForLauncher(SettingsStore& store, int n) {
    using namespace config;
    const std::string section = ButtonSection(n);
    ButtonSettings slot;
    slot.label = store.GetValue(section, kTexte, "RIEN");
    slot.link = store.GetValue(section, kLien, "");
    slot.colourName = store.GetValue(section, kCouleurTexte, "NOIR");
    slot.comment = store.GetValue(section, kCommentaire, "");
    return slot;
}

LauncherConfig ReadLauncherConfig(SettingsStore& store) {
    LauncherConfig result;
    ReadLauncherLeadingSwitches(store, result.settings);
    for (int n = 1; n <= config::kButtonCount; ++n) {
        result.buttons[static_cast<std::size_t>(n - 1)] = ReadButtonForLauncher(store, n);
    }
    ReadLauncherTrailingSwitches(store, result.settings);
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

GlobalSettings ReadGlobalSettingsForEditor(SettingsStore& store) {
    using namespace config;
    GlobalSettings values;
    values.son = store.GetValue(kSettingsSection, kSon, kOui);
    values.boutonQuitter = store.GetValue(kSettingsSection, kBoutonQuitter, kOui);
    values.tooltips = store.GetValue(kSettingsSection, kTooltips, kOui);
    values.autostart = store.GetValue(kSettingsSection, kAutostart, kNon);
    values.autohide = store.GetValue(kSettingsSection, kAutohide, kNon);
    values.horloge = store.GetValue(kSettingsSection, kHorloge, kNon);
    return values;
}

EditorSwitches ReadEditorSwitches(SettingsStore& store) {
    const GlobalSettings values = ReadGlobalSettingsForEditor(store);
    EditorSwitches switches;
    switches.son = values.son == config::kOui;
    switches.autostart = values.autostart == config::kOui;
    switches.boutonQuitter = values.boutonQuitter == config::kOui;
    switches.tooltips = values.tooltips == config::kOui;
    switches.autohide = values.autohide == config::kOui;
    switches.horloge = values.horloge == config::kOui;
    return switches;
}

ButtonSettings ReadButtonForEditor(SettingsStore& store, const std::string& section) {
    using namespace config;
    ButtonSettings slot;
    slot.label = store.GetValue(section, kTexte, "");
    slot.link = store.GetValue(section, kLien, "");
    slot.comment = store.GetValue(section, kCommentaire, "");
    slot.colourName = store.GetValue(section, kCouleurTexte, "");
    return slot;
}

ButtonSettings ReadButtonForEditor(SettingsStore& store, int n) {
    return ReadButtonForEditor(store, ButtonSection(n));
}

}  // namespace quivlane
