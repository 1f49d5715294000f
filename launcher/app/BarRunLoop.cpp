#include "launcher/app/BarRunLoop.h"

#include <QDialog>
#include <QEventLoop>

namespace quivlane {

int BarRunLoop::Run(QDialog& dialog) {
    QEventLoop loop;
    bool finished = false;
    int result = QDialog::Rejected;
    QObject::connect(&dialog, &QDialog::finished, &loop, [&](int r) {
        finished = true;
        result = r;
        loop.quit();
    });
    // Not modal: a modal bar would shut out clicks on its own tray icon and the icon's menu.
    dialog.show();
    // Showing can already end it (a first paint that closes the bar, for one).
    if (!finished) {
        loop.exec(QEventLoop::DialogExec);
    }
    return result;
}

}  // namespace quivlane
