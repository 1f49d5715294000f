#include <QApplication>
#include <cstdio>
#include <string_view>

#include "editor/EditorApp.h"

namespace {

constexpr const char* kHelp =
    "Usage : Quivset [--help | --version]\n"
    "\n"
    "Éditeur de configuration de Quivlane : libellé, lien, commentaire et couleur\n"
    "des 19 boutons, et les six réglages généraux. Fichier écrit :\n"
    "  Quivlane.xml à côté du programme s'il existe ou si le dossier est modifiable,\n"
    "  sinon $XDG_CONFIG_HOME/Quivlane/Quivlane.xml (~/.config/Quivlane/Quivlane.xml).\n"
    "Démarrage à l'ouverture de session : $XDG_CONFIG_HOME/autostart/Quivlane.desktop.\n"
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
            std::puts("Quivset " QUIVLANE_VERSION);
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
    QApplication application(argc, argv);
    quivlane::EditorApp editor;
    return editor.Run(QCoreApplication::applicationFilePath().toStdString());
}
