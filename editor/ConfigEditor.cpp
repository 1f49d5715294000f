#include "editor/ConfigEditor.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "base/TextEncoding.h"
#include "config/ConfigSkeleton.h"
#include "config/LabelColour.h"
#include "config/LinkFormats.h"
#include "config/XmlCheck.h"
#include "editor/EditorPaths.h"
#include "editor/RegistryValue.h"
#include "editor/SystemFunctions.h"

namespace quivlane {

namespace {

std::size_t Characters(const std::string& text) {
    return TextEncoding::Utf8Length(text);
}

std::string CodePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

}  // namespace

ConfigEditor::ConfigEditor(EditorView& view, SettingsStore& store, EditorPorts ports)
    : view_(view), store_(store), ports_(ports) {}

std::string ConfigEditor::FirstCharacters(const std::string& text, std::size_t limit) {
    return std::string(TextEncoding::FirstUtf8Characters(text, limit));
}

std::string ConfigEditor::Unstorable(const std::string& text) {
    if (!TextEncoding::IsValidUtf8(text)) {
        return "des octets qui ne forment pas du texte UTF-8";
    }
    const std::optional<char32_t> excluded = XmlCheck::FirstExcludedCharacter(text);
    if (!excluded) {
        return {};
    }
    return (*excluded < 0x20 ? "un caractère de contrôle (" : "un caractère invalide (") +
           CodePointName(*excluded) + ")";
}

std::string ConfigEditor::SaveFailureText(const std::string& what, const std::string& element,
                                          int code) const {
    std::string why = failureReason_ ? failureReason_() : std::string();
    if (why.empty()) {
        switch (code) {
            case -1:
                why = "le fichier " + configPath_ + " n'a pas pu être lu (XML mal formé).";
                break;
            case -2:
                why = "l'élément n'a pas pu être créé dans " + configPath_ + ".";
                break;
            case -3:
                why = "le texte n'a pas pu être mis dans " + configPath_ + ".";
                break;
            default:
                why = "le fichier " + configPath_ + " n'a pas pu être écrit (erreur " +
                      std::to_string(code) + ").";
                break;
        }
    }
    return what + " (" + element + ") : " + why;
}

std::string ConfigEditor::ColourName(ColourChoice choice) {
    switch (choice) {
        case ColourChoice::Jaune:
            return "JAUNE";
        case ColourChoice::Vert:
            return "VERT";
        case ColourChoice::Bleu:
            return "BLEU";
        case ColourChoice::Rouge:
            return "ROUGE";
        case ColourChoice::None:
        case ColourChoice::Noir:
            break;
    }
    return "NOIR";
}

ColourChoice ConfigEditor::ColourFromName(const std::string& name) {
    if (!IsLabelColourName(name)) {
        return ColourChoice::None;
    }
    for (ColourChoice c : {ColourChoice::Noir, ColourChoice::Jaune, ColourChoice::Vert,
                           ColourChoice::Bleu, ColourChoice::Rouge}) {
        if (ColourName(c) == name) {
            return c;
        }
    }
    return ColourChoice::None;
}

void ConfigEditor::StartUp(const std::string& modulePath) {
    modulePath_ = modulePath;
    configPath_ = EditorPaths::ConfigPath(modulePath_);
    magnifierPath_ = EditorPaths::MagnifierPath(modulePath_);

    std::error_code error;
    if (!std::filesystem::exists(configPath_, error)) {
        // When it cannot be created the reads give defaults and the first save creates it.
        WriteSkeleton(configPath_);
    }
    store_.SetPath(configPath_);
    switches_ = ReadEditorSwitches(store_);

    firstSelection_ = true;
    globalsSaved_ = true;
    view_.ShowSwitches(switches_);
    view_.EnableSaveButton(false);
    buttonSelected_ = false;
    buttonSaved_ = true;
}

bool ConfigEditor::SelectButton(const std::string& entry) {
    store_.SetPath(configPath_);
    buttonSelected_ = true;
    if (!buttonSaved_ && !firstSelection_ &&
        ports_.messageBoxes.AskYesNo(std::string(kSaveButtonQuestion), std::string(kCaption),
                                     MessageIcon::Question)) {
        // The fields still hold the previous button; a refused save keeps it in the editor
        // rather than losing what was typed.
        if (!SaveButton()) {
            return false;
        }
    }
    buttonSaved_ = true;
    firstSelection_ = false;
    view_.EnableSaveButton(true);

    std::string section = entry;
    const std::string spaced = std::string(config::kButtonPrefix) + " ";
    for (auto at = section.find(spaced); at != std::string::npos; at = section.find(spaced, at)) {
        section.replace(at, spaced.size(), config::kButtonPrefix);
    }
    currentSection_ = section;

    const ButtonSettings button = ReadButtonForEditor(store_, currentSection_);
    view_.SetLabel(FirstCharacters(button.label, kFieldLabelLimit));
    view_.SetLink(FirstCharacters(button.link, kFieldTextLimit));
    view_.SetComment(FirstCharacters(button.comment, kFieldTextLimit));
    const ColourChoice colour =
        ColourFromName(FirstCharacters(button.colourName, kFieldColourLimit));
    if (colour != ColourChoice::None) {
        colourChoice_ = colour;
        view_.ShowColourChoice(colourChoice_);
    }
    // Read back from the view: what a field holds is what an untouched field will give.
    shownLabel_ = view_.Label();
    shownLink_ = view_.Link();
    shownComment_ = view_.Comment();
    shownColour_ = colour == ColourChoice::None ? std::string() : ColourName(colourChoice_);
    return true;
}

void ConfigEditor::ToggleSwitch(EditorSwitch which) {
    switch (which) {
        case EditorSwitch::Son:
            switches_.son = !switches_.son;
            break;
        case EditorSwitch::Autostart:
            switches_.autostart = !switches_.autostart;
            break;
        case EditorSwitch::BoutonQuitter:
            switches_.boutonQuitter = !switches_.boutonQuitter;
            break;
        case EditorSwitch::Tooltips:
            switches_.tooltips = !switches_.tooltips;
            break;
        case EditorSwitch::Autohide:
            switches_.autohide = !switches_.autohide;
            break;
        case EditorSwitch::Horloge:
            switches_.horloge = !switches_.horloge;
            break;
    }
    view_.ShowSwitches(switches_);
    globalsSaved_ = false;
}

void ConfigEditor::ChooseColour(ColourChoice choice) {
    colourChoice_ = choice;
    view_.ShowColourChoice(colourChoice_);
}

void ConfigEditor::FieldFocused() {
    buttonSaved_ = false;
}

bool ConfigEditor::GuardSelected() {
    if (!buttonSelected_) {
        ports_.sound.Beep(kRefusalHz, kToneMs);
        return false;
    }
    return true;
}

void ConfigEditor::ApplySystemFunction(int position) {
    if (!buttonSelected_) {
        return;
    }
    buttonSaved_ = false;
    if (position < 0 || position >= SystemFunctions::kCount) {
        return;
    }
    view_.SetLink(SystemFunctions::Link(position, magnifierPath_));
    if (position == SystemFunctions::kAlarm) {
        view_.SetLabel(std::string(kAlarmLabel));
    }
}

void ConfigEditor::ChooseFolder() {
    if (!GuardSelected()) {
        return;
    }
    const auto folder =
        ports_.choosers.ChooseFolder(std::string(kFolderTitle), std::string(), UserFolder::Desktop);
    if (folder && !folder->empty()) {
        view_.SetLink(FirstCharacters(*folder, kFieldTextLimit));
        buttonSaved_ = false;
    }
}

void ConfigEditor::ChooseFile() {
    if (!GuardSelected()) {
        return;
    }
    const auto file = ports_.choosers.ChooseFile(std::string(), std::string(kFileFilter));
    if (file && !file->empty()) {
        view_.SetLink(FirstCharacters(*file, kFieldTextLimit));
        buttonSaved_ = false;
    }
}

void ConfigEditor::PasteLink() {
    if (!GuardSelected()) {
        return;
    }
    if (const auto text = ports_.clipboard.Text()) {
        view_.SetLink(FirstCharacters(*text, kFieldTextLimit));
        buttonSaved_ = false;
    }
}

void ConfigEditor::ClearButton() {
    if (!GuardSelected()) {
        return;
    }
    view_.SetLabel(std::string());
    view_.SetLink(std::string());
    view_.SetComment(std::string());
    colourChoice_ = ColourChoice::Noir;
    view_.ShowColourChoice(colourChoice_);
    buttonSaved_ = false;
}

bool ConfigEditor::SaveButton() {
    const std::string label = view_.Label();
    const std::string link = view_.Link();
    const std::string comment = view_.Comment();
    const std::string colour = ColourName(colourChoice_);

    const std::string caption(kCaption);
    bool accepted = true;
    const auto check = [&](const std::string& text, std::size_t limit, std::string_view tooLong,
                           std::string_view field) {
        if (Characters(text) > limit) {
            ports_.messageBoxes.Show(std::string(tooLong), caption, MessageIcon::None);
            accepted = false;
        }
        // Otherwise the store would refuse this one element after the others were written.
        if (const std::string why = Unstorable(text); !why.empty()) {
            ports_.messageBoxes.Show(
                std::string(field) + " contient " + why + ", qui ne peut pas être enregistré",
                caption, MessageIcon::None);
            accepted = false;
        }
    };
    check(label, kLabelLimit, kLabelTooLong, kLabelField);
    check(link, kLinkLimit, kLinkTooLong, kLinkField);
    check(comment, kCommentLimit, kCommentTooLong, kCommentField);

    store_.SetPath(configPath_);
    if (!accepted) {
        // Refused input still counts as modified, so that leaving the button asks again.
        ports_.sound.Beep(kAcknowledgeHz, kToneMs);
        return false;
    }

    // An alarm link's label is written over with the alarm's, after the link.
    const bool alarm = LinkFormats::IsAlarmLink(link);
    struct Field {
        const char* key;
        const std::string& shown;
        std::string value;
    };
    std::vector<Field> values{{config::kTexte, shownLabel_, label},
                              {config::kLien, shownLink_, link}};
    if (alarm) {
        // Compared with the label just written, not with what was shown before it.
        values.push_back({config::kTexte, label, std::string(kAlarmLabel)});
    }
    values.push_back({config::kCommentaire, shownComment_, comment});
    values.push_back({config::kCouleurTexte, shownColour_, colour});

    bool written = true;
    for (const auto& [key, shown, value] : values) {
        const int code = store_.MergeValue(currentSection_, key, shown, value);
        if (code != 0 && code != SettingsStore::kKept) {
            Warn(SaveFailureText("Le bouton n'a pas pu être enregistré",
                                 currentSection_ + "/" + key, code));
            written = false;
            break;
        }
    }
    if (written) {
        shownLabel_ = alarm ? std::string(kAlarmLabel) : label;
        shownLink_ = link;
        shownComment_ = comment;
        shownColour_ = colour;
    }

    buttonSaved_ = written;
    Acknowledge(written);
    return written;
}

bool ConfigEditor::SaveGlobalSettings() {
    configPath_ = EditorPaths::ConfigPath(modulePath_);
    const std::string launcherPath = EditorPaths::LauncherPath(modulePath_);
    store_.SetPath(configPath_);

    // After a failed write the others would fail the same way, each with its own box.
    int failure = 0;
    std::string failedElement;
    const auto set = [&](const char* key, bool on) {
        if (failure == 0) {
            failure = store_.SetValue(config::kSettingsSection, key, SwitchValue(on));
            failedElement = std::string(config::kSettingsSection) + "/" + key;
        }
    };
    set(config::kSon, switches_.son);
    set(config::kAutostart, switches_.autostart);

    // Switching autostart off leaves an empty value rather than removing it.
    const std::string runValue = switches_.autostart ? launcherPath : std::string();
    RegistryValue autostart(ports_.registry, std::string(kAutostartPath), runValue, true);
    autostart.Set(runValue);
    autostart.Write();

    set(config::kBoutonQuitter, switches_.boutonQuitter);
    set(config::kTooltips, switches_.tooltips);
    set(config::kAutohide, switches_.autohide);
    set(config::kHorloge, switches_.horloge);

    if (failure != 0) {
        Warn(SaveFailureText("Les paramètres généraux n'ont pas pu être enregistrés", failedElement,
                             failure));
    }
    if (!autostart.Done()) {
        Warn("Le démarrage automatique n'a pas pu être enregistré dans " +
             ports_.registry.Location(autostart.Subkey(), autostart.ValueName()) + ".");
    }
    const bool written = failure == 0 && autostart.Done();
    globalsSaved_ = written;
    Acknowledge(written);
    return written;
}

void ConfigEditor::Acknowledge(bool ok) {
    // A refused write must not sound like a saved one.
    ports_.sound.Beep(ok ? kAcknowledgeHz : kRefusalHz, kToneMs);
}

void ConfigEditor::Warn(const std::string& text) {
    ports_.messageBoxes.Show(text, std::string(kCaption), MessageIcon::Warning);
}

bool ConfigEditor::Quit() {
    if (!globalsSaved_ &&
        ports_.messageBoxes.AskYesNo(std::string(kSaveSwitchesQuestion), std::string(kCaption),
                                     MessageIcon::Question) &&
        !SaveGlobalSettings()) {
        // The user wanted them kept: leaving now would lose them without a word.
        return false;
    }
    globalsSaved_ = true;
    return true;
}

}  // namespace quivlane
