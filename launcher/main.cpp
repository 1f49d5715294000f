#include <QApplication>
#include <cstdio>
#include <string_view>

#include "launcher/LauncherApp.h"

namespace {

constexpr const char* kHelp =
    "Usage : Quivlane [--help | --version]\n"
    "\n"
    "Barre de lancement : 19 boutons, horloge, alarmes, lecteurs MP3 et CD.\n"
    "Les boutons se configurent avec Quivset. Fichier de configuration :\n"
    "  Quivlane.xml à côté du programme s'il existe ou si le dossier est modifiable,\n"
    "  sinon $XDG_CONFIG_HOME/Quivlane/Quivlane.xml (~/.config/Quivlane/Quivlane.xml).\n"
    "\n"
    "  --help     affiche cette aide et quitte\n"
    "  --version  affiche la version et quitte\n"
    "Tout autre argument est ignoré.\n";

// Answered before the window system is touched, so both work without a display.
bool AnswerInformationRequest(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help") {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (arg == "--version") {
            std::puts("Quivlane " QUIVLANE_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnswerInformationRequest(argc, argv)) {
        return 0;
    }
    quivlane::LauncherApp::ChooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    quivlane::LauncherApp launcher;
    return launcher.Run(QCoreApplication::applicationFilePath().toStdString());
}
