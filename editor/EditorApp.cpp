#include "editor/EditorApp.h"

#include <QTranslator>
#include <memory>

#include "config/XmlSettingsStore.h"
#include "controls/QtTranslations.h"
#include "editor/ConfigEditorDialog.h"
#include "platform/audio/LazySound.h"
#include "platform/audio/SdlSound.h"
#include "platform/autostart/XdgAutostartRegistry.h"
#include "platform/dialogs/QtChoosers.h"
#include "platform/dialogs/QtClipboard.h"
#include "platform/dialogs/QtMessageBoxes.h"

namespace quivlane {

int EditorApp::Run(const std::string& modulePath) {
    const auto qtTexts = QtTranslations::InstallFrench();
    LazySound sound([] { return std::make_unique<SdlSound>(); });
    QtMessageBoxes messageBoxes;
    QtChoosers choosers;
    QtClipboard clipboard;
    XdgAutostartRegistry registry;
    XmlSettingsStore store(messageBoxes);

    ConfigEditorDialog dialog(EditorPorts{sound, messageBoxes, choosers, clipboard, registry},
                              store, modulePath);
    dialog.Editor().SetFailureReason([&store] { return store.LastErrorText(); });
    messageBoxes.SetOwner(&dialog);
    choosers.SetOwner(&dialog);
    dialog.Start();
    dialog.exec();
    return 0;
}

}  // namespace quivlane
