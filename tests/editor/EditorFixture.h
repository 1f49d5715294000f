#pragma once

#include <gtest/gtest.h>

#include <string>

#include "config/XmlSettingsStore.h"
#include "editor/ConfigEditor.h"
#include "editor/EditorView.h"
#include "tests/support/FakeEditorPorts.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {

// The window as plain fields.
class FakeEditorView final : public EditorView {
  public:
    std::string Label() const override { return label; }
    std::string Link() const override { return link; }
    std::string Comment() const override { return comment; }
    void SetLabel(const std::string& text) override { label = text; }
    void SetLink(const std::string& text) override { link = text; }
    void SetComment(const std::string& text) override { comment = text; }
    void ShowSwitches(const EditorSwitches& shown) override { switches = shown; }
    void ShowColourChoice(ColourChoice choice) override { colour = choice; }
    void EnableSaveButton(bool enabled) override { saveEnabled = enabled; }

    std::string label = "untouched";
    std::string link = "untouched";
    std::string comment = "untouched";
    EditorSwitches switches{};
    ColourChoice colour = ColourChoice::None;
    bool saveEnabled = true;
};

// An editor "installed" in a temporary folder, with fakes for every port and the real store
// under a recorder.
class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture()
        : store(boxes),
          recorder(store),
          editor(view, recorder, EditorPorts{sound, boxes, choosers, clipboard, registry}) {
        editor.SetFailureReason([this] { return store.LastErrorText(); });
    }

    std::string ModulePath() const { return dir.File("Quivset"); }
    std::string ConfigPath() const { return dir.File("Quivlane.xml"); }
    void WriteConfig(const std::string& body) const {
        dir.Write("Quivlane.xml",
                  "<?xml version='1.0'?><XMLConfigSettings>" + body + "</XMLConfigSettings>");
    }
    std::string Value(const std::string& section, const std::string& key) {
        return store.GetValue(section, key, "<absent>");
    }
    void Start() {
        editor.StartUp(ModulePath());
        recorder.writes.clear();
        sound.beeps.clear();
    }

    TempDir dir;
    FakeEditorView view;
    RecordingSound sound;
    ScriptedMessageBoxes boxes;
    ScriptedChoosers choosers;
    ScriptedClipboard clipboard;
    MemoryRegistry registry;
    XmlSettingsStore store;
    RecordingSettingsStore recorder;
    ConfigEditor editor;
};

}  // namespace quivlane::test
