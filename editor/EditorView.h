#pragma once

#include <string>

#include "config/ConfigFile.h"

namespace quivlane {

// The five label colours offered by the editor, or none before any was shown.
enum class ColourChoice { None, Noir, Jaune, Vert, Bleu, Rouge };

// What the editor's rules need of its window: the three fields, the boxes and the save button.
class EditorView {
  public:
    virtual ~EditorView() = default;

    virtual std::string Label() const = 0;
    virtual std::string Link() const = 0;
    virtual std::string Comment() const = 0;
    virtual void SetLabel(const std::string& text) = 0;
    virtual void SetLink(const std::string& text) = 0;
    virtual void SetComment(const std::string& text) = 0;

    // Ticks each of the six boxes as its switch says.
    virtual void ShowSwitches(const EditorSwitches& switches) = 0;
    // Exactly the chosen colour's radio button on; all off for None.
    virtual void ShowColourChoice(ColourChoice choice) = 0;
    virtual void EnableSaveButton(bool enabled) = 0;
};

}  // namespace quivlane
