#pragma once

#include <array>
#include <string>

#include "config/ButtonSettings.h"
#include "config/SettingsStore.h"

namespace quivlane {

// Names and readings of the configuration file shared by the launcher and the editor. The two
// programs read the same elements with different defaults and tests, and the order of the reads
// below is the order each program performs them (each read is one parse of the file).
namespace config {

inline constexpr int kButtonCount = 19;
inline constexpr int kFirstButtonId = 1000;
inline constexpr int kLastButtonId = 1018;

inline constexpr const char* kFileName = "Quivlane.xml";
inline constexpr const char* kRoot = "XMLConfigSettings";
inline constexpr const char* kSettingsSection = "PARAMETRES";
inline constexpr const char* kButtonPrefix = "BOUTON";
inline constexpr const char* kSon = "SON";
inline constexpr const char* kAutostart = "AUTOSTART";
inline constexpr const char* kBoutonQuitter = "BOUTONQUITTER";
inline constexpr const char* kTooltips = "TOOLTIPS";
inline constexpr const char* kAutohide = "AUTOHIDE";
inline constexpr const char* kHorloge = "HORLOGE";
inline constexpr const char* kTexte = "TEXTE";
inline constexpr const char* kLien = "LIEN";
inline constexpr const char* kCommentaire = "COMMENTAIRE";
inline constexpr const char* kCouleurTexte = "COULEURTEXTE";
inline constexpr const char* kOui = "OUI";
inline constexpr const char* kNon = "NON";

}  // namespace config

// "BOUTON" followed by n in decimal (n = 1 ... 19).
std::string ButtonSection(int n);

// "OUI" or "NON", as the editor writes a switch.
std::string SwitchValue(bool on);

// The switches as the launcher applies them.
struct LauncherSettings {
    bool quitButtonShown = true;  // BOUTONQUITTER is not "NON"
    bool soundOn = false;         // SON is not "NON"
    bool tooltipsOn = false;      // TOOLTIPS is not "NON"
    bool autoHideOn = false;      // AUTOHIDE is "OUI"
    bool clockOn = false;         // HORLOGE is not "NON"
    bool operator==(const LauncherSettings&) const = default;
};

// The six boxes of the editor; each is ticked exactly when its value is "OUI".
struct EditorSwitches {
    bool son = true;
    bool autostart = false;
    bool boutonQuitter = true;
    bool tooltips = true;
    bool autohide = false;
    bool horloge = false;
    bool operator==(const EditorSwitches&) const = default;
};

// Everything the launcher reads at start.
struct LauncherConfig {
    LauncherSettings settings;
    std::array<ButtonSettings, config::kButtonCount> buttons;  // index n - 1
    int hideButtonId = -1;                                     // as FindButtonWithLink gives it
};

// The launcher's start, bound to configPath (100 reads): BOUTONQUITTER, SON, TOOLTIPS; then
// TEXTE ("RIEN"), LIEN (""), COULEURTEXTE ("NOIR"), COMMENTAIRE ("") of BOUTON1 ... BOUTON19;
// then the search for the first button whose link is hideLink; last AUTOHIDE, HORLOGE.
LauncherConfig ReadLauncherConfig(SettingsStore& store, const std::string& configPath,
                                  const std::string& hideLink);

// The id (1000 ... 1018) of the first button from firstId on whose LIEN (default "RIEN") equals
// link exactly, or -1. firstId -1 means 1000. Binds the store to configPath first.
int FindButtonWithLink(SettingsStore& store, const std::string& configPath, const std::string& link,
                       int firstId = -1);

// Editor start: SON, BOUTONQUITTER, TOOLTIPS, AUTOSTART, AUTOHIDE, HORLOGE (6 reads).
EditorSwitches ReadEditorSwitches(SettingsStore& store);
// TEXTE, LIEN, COMMENTAIRE, COULEURTEXTE, each defaulting to "" (4 reads). The section is the
// element name, e.g. "BOUTON7".
ButtonSettings ReadButtonForEditor(SettingsStore& store, const std::string& section);

}  // namespace quivlane
