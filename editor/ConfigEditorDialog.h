#pragma once

#include <array>
#include <map>
#include <string>

#include "config/SettingsStore.h"
#include "controls/SkinnedDialog.h"
#include "editor/ConfigEditor.h"
#include "editor/EditorPorts.h"
#include "editor/EditorView.h"

class QLineEdit;
class QListWidget;

namespace quivlane {

class GradientButton;
class TransparentCheckBox;
class TransparentRadioButton;

// Quivset's one window: the button list, the fields, the colour choice, the switches and the
// link and save buttons over the editor's picture. Decisions are the ConfigEditor's.
class ConfigEditorDialog : public SkinnedDialog, public EditorView {
    Q_OBJECT

  public:
    // Control ids of the window, kept so that tests and readers can name them.
    enum ControlId {
        kQuit = 1,
        kTooltips = 1002,
        kQuitButton = 1003,
        kAutostart = 1004,
        kSound = 1005,
        kSaveButton = 1006,
        kSaveSwitches = 1007,
        kLabel = 1008,
        kLink = 1009,
        kComment = 1010,
        kAutohide = 1011,
        kNoir = 1012,
        kJaune = 1013,
        kVert = 1014,
        kBleu = 1015,
        kRouge = 1016,
        kFunctions = 1017,
        kApplyFunction = 1018,
        kChooseFolder = 1019,
        kChooseFile = 1020,
        kPaste = 1021,
        kClear = 1022,
        kClock = 1023,
        kButtons = 1001,
    };
    static constexpr const char* kTitle =
        "Quivset - Outil de configuration de Quivlane - Version 1.0 - 2008";

    // Ports and store must outlive the dialog.
    ConfigEditorDialog(EditorPorts ports, SettingsStore& store, const std::string& modulePath,
                       QWidget* parent = nullptr);
    ~ConfigEditorDialog() override;

    // Reads the file (creating it when missing) and shows the switches.
    void Start();

    ConfigEditor& Editor() { return editor_; }
    QWidget* Control(int id) const;
    QListWidget* ButtonList() const { return buttons_; }
    QListWidget* FunctionList() const { return functions_; }

    // EditorView
    std::string Label() const override;
    std::string Link() const override;
    std::string Comment() const override;
    void SetLabel(const std::string& text) override;
    void SetLink(const std::string& text) override;
    void SetComment(const std::string& text) override;
    void ShowSwitches(const EditorSwitches& switches) override;
    void ShowColourChoice(ColourChoice choice) override;
    void EnableSaveButton(bool enabled) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    GradientButton* AddButton(int id, int x, int y, int w, int h, const QString& caption);
    void OnButtonChosen(int row);
    int SelectedFunction() const;

    ConfigEditor editor_;
    std::string modulePath_;
    std::map<int, QWidget*> controls_;
    QListWidget* buttons_ = nullptr;
    QListWidget* functions_ = nullptr;
    QLineEdit* label_ = nullptr;
    QLineEdit* link_ = nullptr;
    QLineEdit* comment_ = nullptr;
    std::array<GradientButton*, 8> pushButtons_{};
    int shownRow_ = -1;
};

}  // namespace quivlane
