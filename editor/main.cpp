#include <QApplication>

#include "editor/EditorApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quivlane::EditorApp editor;
    return editor.Run(QCoreApplication::applicationFilePath().toStdString());
}
