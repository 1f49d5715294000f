#include <QApplication>

#include "base/InformationRequest.h"
#include "launcher/app/LauncherApp.h"

int main(int argc, char* argv[]) {
    const quivlane::ProgramInformation information{
        "Quivlane", QUIVLANE_VERSION,
        "Barre de lancement : 19 boutons, horloge, alarmes, lecteurs MP3 et CD.\n"
        "Les boutons se configurent avec Quivset. Fichier de configuration :\n",
        ""};
    if (quivlane::AnswerInformationRequest(argc, argv, information)) {
        return 0;
    }
    quivlane::LauncherApp::ChooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    quivlane::LauncherApp launcher;
    return launcher.Run(QCoreApplication::applicationFilePath().toStdString());
}
