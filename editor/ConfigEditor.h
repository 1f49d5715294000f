#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "config/ConfigFile.h"
#include "config/SettingsStore.h"
#include "editor/EditorPorts.h"
#include "editor/EditorView.h"

namespace quivlane {

enum class EditorSwitch { Son, Autostart, BoutonQuitter, Tooltips, Autohide, Horloge };

// The editor's rules without its window: which button is edited, what is modified, the
// checks and the order of the writes when saving, and what the link buttons put in the fields.
class ConfigEditor {
  public:
    // Limits checked when a button is saved, in characters.
    static constexpr std::size_t kLabelLimit = 10;
    static constexpr std::size_t kLinkLimit = 500;
    static constexpr std::size_t kCommentLimit = 500;
    // What the fields keep of a loaded or pasted value, in characters.
    static constexpr std::size_t kFieldLabelLimit = 15;
    static constexpr std::size_t kFieldTextLimit = 999;
    static constexpr std::size_t kFieldColourLimit = 19;

    static constexpr std::string_view kCaption = "Attention";
    static constexpr std::string_view kLabelTooLong =
        "Le texte du bouton est trop long (10 caractères maximum)";
    static constexpr std::string_view kLinkTooLong =
        "Le lien du bouton est trop long (500 caractères maximum)";
    static constexpr std::string_view kCommentTooLong =
        "Le commentaire du bouton est trop long (500 caractères maximum)";
    static constexpr std::string_view kSaveButtonQuestion =
        "Voulez vous enregistrer les paramètres du bouton que vous venez de modifier ?";
    static constexpr std::string_view kSaveSwitchesQuestion =
        "Souhaitez vous enregistrer les paramètres globaux que vous avez modifiés ?";
    // Field names for the boxes about texts the file cannot carry.
    static constexpr std::string_view kLabelField = "Le texte du bouton";
    static constexpr std::string_view kLinkField = "Le lien du bouton";
    static constexpr std::string_view kCommentField = "Le commentaire du bouton";
    static constexpr std::string_view kFolderTitle = "Sélectionnez un dossier";
    static constexpr std::string_view kFileFilter = "Tous fichiers (*.*)|*.*||";
    static constexpr std::string_view kAutostartPath =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Quivlane";
    static constexpr std::string_view kAlarmLabel = "ALARME";

    // Refusal and acknowledgement tones (Hz, ms).
    static constexpr int kRefusalHz = 50;
    static constexpr int kAcknowledgeHz = 100;
    static constexpr int kToneMs = 100;

    ConfigEditor(EditorView& view, SettingsStore& store, EditorPorts ports);

    // Derives the paths, writes the skeleton when there is no file, reads and shows the
    // switches, disables the save button.
    void StartUp(const std::string& modulePath);

    // A choice in the button list; entry is its text, "BOUTON 1" ... "BOUTON 19". False when
    // the user wanted the previous button saved and that save was refused: the previous
    // button stays the one edited, and the list should show it again.
    bool SelectButton(const std::string& entry);
    void ToggleSwitch(EditorSwitch which);
    void ChooseColour(ColourChoice choice);
    // The input focus entered one of the three fields.
    void FieldFocused();

    // The link buttons. position: the first selected system function, or
    // SystemFunctions::kCount when none is selected.
    void ApplySystemFunction(int position);
    void ChooseFolder();
    void ChooseFile();
    void PasteLink();
    void ClearButton();

    // True when every element was written. Nothing is written unless all four values can be;
    // a write that fails stops the save and is reported in a box.
    bool SaveButton();
    bool SaveGlobalSettings();
    // Asks about modified switches; true when the caller may close the window, false when
    // the user asked for a save that failed.
    bool Quit();

    const std::string& ModulePath() const { return modulePath_; }
    const std::string& ConfigPath() const { return configPath_; }
    const std::string& MagnifierPath() const { return magnifierPath_; }
    const std::string& CurrentSection() const { return currentSection_; }
    const EditorSwitches& Switches() const { return switches_; }
    ColourChoice Colour() const { return colourChoice_; }
    bool ButtonSelected() const { return buttonSelected_; }
    bool FirstSelection() const { return firstSelection_; }
    bool ButtonSaved() const { return buttonSaved_; }
    bool GlobalsSaved() const { return globalsSaved_; }

    // "NOIR" ... "ROUGE"; "NOIR" for None, as an unchosen colour is saved.
    static std::string ColourName(ColourChoice choice);
    // None unless the name is exactly one of the five.
    static ColourChoice ColourFromName(const std::string& name);
    // The first limit characters of a UTF-8 text.
    static std::string FirstCharacters(const std::string& text, std::size_t limit);
    // Why the file cannot carry a text ("" when it can): XML has no room for control
    // characters other than tab and line ends, nor for the two non-characters.
    static std::string Unstorable(const std::string& text);
    // Where the store tells why its last write failed ("" when it cannot say).
    void SetFailureReason(std::function<std::string()> reason) {
        failureReason_ = std::move(reason);
    }
    // The box shown when a store write fails: what, which element and why (the store's own
    // words, else the meaning of its code).
    std::string SaveFailureText(const std::string& what, const std::string& element,
                                int code) const;

  private:
    // False (after a refusal beep) before any button was chosen.
    bool GuardSelected();
    void Acknowledge(bool ok);
    void Warn(const std::string& text);

    EditorView& view_;
    SettingsStore& store_;
    EditorPorts ports_;

    std::string modulePath_;
    std::string configPath_;
    std::string magnifierPath_;
    std::string currentSection_;
    std::function<std::string()> failureReason_;
    // The button's fields as shown when it was chosen: a field saved unchanged keeps what the
    // bar may have written since (an alarm time, an MP3 folder).
    std::string shownLabel_;
    std::string shownLink_;
    std::string shownComment_;
    std::string shownColour_;
    EditorSwitches switches_;
    ColourChoice colourChoice_ = ColourChoice::None;
    bool buttonSelected_ = false;
    bool firstSelection_ = true;
    bool buttonSaved_ = true;
    bool globalsSaved_ = true;
};

}  // namespace quivlane
