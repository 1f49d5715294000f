#include <QApplication>

#include "launcher/LauncherApp.h"

int main(int argc, char* argv[]) {
    quivlane::LauncherApp::ChooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    quivlane::LauncherApp launcher;
    return launcher.Run(QCoreApplication::applicationFilePath().toStdString());
}
