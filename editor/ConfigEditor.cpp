#include "editor/ConfigEditor.h"

#include <filesystem>
#include <system_error>

#include "config/ConfigSkeleton.h"
#include "config/LabelColour.h"
#include "config/TextEncoding.h"
#include "editor/EditorPaths.h"
#include "editor/RegistryValue.h"
#include "editor/SystemFunctions.h"

namespace quivlane {

namespace {

std::size_t Characters(const std::string& text) {
    return TextEncoding::Utf8Length(text);
}

// Length of the valid UTF-8 sequence starting at text[at], or 1 for a stray byte, so that
// cutting agrees with how Utf8Length counts.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    if (length > 1 && (at + length > text.size() ||
                       !TextEncoding::IsValidUtf8(std::string_view(text).substr(at, length)))) {
        return 1;
    }
    return length;
}

}  // namespace

ConfigEditor::ConfigEditor(EditorView& view, SettingsStore& store, EditorPorts ports)
    : view_(view), store_(store), ports_(ports) {}

std::string ConfigEditor::FirstCharacters(const std::string& text, std::size_t limit) {
    std::size_t at = 0;
    for (std::size_t count = 0; count < limit && at < text.size(); ++count) {
        at += SequenceLength(text, at);
    }
    return text.substr(0, at);
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
    constexpr std::string_view kSpaced = "BOUTON ";
    for (auto at = section.find(kSpaced); at != std::string::npos; at = section.find(kSpaced, at)) {
        section.replace(at, kSpaced.size(), "BOUTON");
    }
    currentSection_ = section;

    const ButtonSlot slot = ReadButtonForEditor(store_, currentSection_);
    view_.SetLabel(FirstCharacters(slot.label, kFieldLabelLimit));
    view_.SetLink(FirstCharacters(slot.link, kFieldTextLimit));
    view_.SetComment(FirstCharacters(slot.comment, kFieldTextLimit));
    const ColourChoice colour = ColourFromName(FirstCharacters(slot.colourName, kFieldColourLimit));
    if (colour != ColourChoice::None) {
        colourChoice_ = colour;
        view_.ShowColourChoice(colourChoice_);
    }
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
    const auto folder = ports_.choosers.ChooseFolder(std::string(kFolderTitle), std::string());
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
    bool withinLimits = true;
    if (Characters(label) > kLabelLimit) {
        ports_.messageBoxes.Show(std::string(kLabelTooLong), caption, MessageIcon::None);
        withinLimits = false;
    }
    if (Characters(link) > kLinkLimit) {
        ports_.messageBoxes.Show(std::string(kLinkTooLong), caption, MessageIcon::None);
        withinLimits = false;
    }
    if (Characters(comment) > kCommentLimit) {
        ports_.messageBoxes.Show(std::string(kCommentTooLong), caption, MessageIcon::None);
        withinLimits = false;
    }

    store_.SetPath(configPath_);
    if (!withinLimits) {
        // Refused input still counts as modified, so that leaving the button asks again.
        ports_.sound.Beep(kAcknowledgeHz, kToneMs);
        return false;
    }

    bool written = true;
    const auto set = [&](const char* key, const std::string& value) {
        written = store_.SetValue(currentSection_, key, value) == 0 && written;
    };
    set(config::kTexte, label);
    set(config::kLien, link);
    if (link.compare(0, kAlarmKeyword.size(), kAlarmKeyword) == 0) {
        set(config::kTexte, std::string(kAlarmLabel));
    }
    set(config::kCommentaire, comment);
    set(config::kCouleurTexte, colour);

    buttonSaved_ = written;
    Acknowledge(written);
    return written;
}

bool ConfigEditor::SaveGlobalSettings() {
    configPath_ = EditorPaths::ConfigPath(modulePath_);
    const std::string launcherPath = EditorPaths::LauncherPath(modulePath_);
    store_.SetPath(configPath_);

    bool written = true;
    const auto set = [&](const char* key, bool on) {
        written = store_.SetValue(config::kSettingsSection, key, SwitchValue(on)) == 0 && written;
    };
    set(config::kSon, switches_.son);
    set(config::kAutostart, switches_.autostart);

    // Switching autostart off leaves an empty value rather than removing it.
    const std::string runValue = switches_.autostart ? launcherPath : std::string();
    RegistryValue autostart(ports_.registry, std::string(kAutostartPath), runValue, true);
    autostart.Set(runValue);
    autostart.Write();
    written = autostart.Done() && written;

    set(config::kBoutonQuitter, switches_.boutonQuitter);
    set(config::kTooltips, switches_.tooltips);
    set(config::kAutohide, switches_.autohide);
    set(config::kHorloge, switches_.horloge);

    globalsSaved_ = written;
    Acknowledge(written);
    return written;
}

void ConfigEditor::Acknowledge(bool ok) {
    // A refused write must not sound like a saved one.
    ports_.sound.Beep(ok ? kAcknowledgeHz : kRefusalHz, kToneMs);
}

void ConfigEditor::Quit() {
    if (!globalsSaved_ &&
        ports_.messageBoxes.AskYesNo(std::string(kSaveSwitchesQuestion), std::string(kCaption),
                                     MessageIcon::Question)) {
        SaveGlobalSettings();
    }
    globalsSaved_ = true;
}

}  // namespace quivlane
