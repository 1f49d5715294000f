#include <QApplication>

#include "base/InformationRequest.h"
#include "editor/EditorApp.h"

int main(int argc, char* argv[]) {
    const quivlane::ProgramInformation information{
        "Quivset", QUIVLANE_VERSION,
        "Éditeur de configuration de Quivlane : libellé, lien, commentaire et couleur\n"
        "des 19 boutons, et les six réglages généraux. Fichier écrit :\n",
        "Démarrage à l'ouverture de session : $XDG_CONFIG_HOME/autostart/Quivlane.desktop.\n"};
    if (quivlane::AnswerInformationRequest(argc, argv, information)) {
        return 0;
    }
    QApplication application(argc, argv);
    quivlane::EditorApp editor;
    return editor.Run(QCoreApplication::applicationFilePath().toStdString());
}
