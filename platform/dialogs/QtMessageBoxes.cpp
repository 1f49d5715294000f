#include "platform/dialogs/QtMessageBoxes.h"

#include <QMessageBox>

namespace quivlane {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* owner) : owner_(owner) {}

void QtMessageBoxes::Show(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

bool QtMessageBoxes::AskYesNo(const std::string& text, const std::string& caption,
                              MessageIcon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quivlane
