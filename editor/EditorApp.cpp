#include "editor/EditorApp.h"

#include <QTranslator>
#include <memory>

#include "config/XmlSettingsStore.h"
#include "controls/QtTranslations.h"
#include "editor/ConfigEditorDialog.h"
#include "platform/LazySound.h"
#include "platform/linux/SdlSound.h"
#include "platform/linux/XdgAutostartRegistry.h"
#include "platform/qt/QtChoosers.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtMessageBoxes.h"

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
