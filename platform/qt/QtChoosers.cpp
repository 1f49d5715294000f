#include "platform/qt/QtChoosers.h"

#include <QFileDialog>
#include <QStringList>

namespace quivlane {

QtChoosers::QtChoosers(QWidget* owner) : owner_(owner) {}

QString QtChoosers::NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty()) {
            break;
        }
        // The pattern list is rebuilt from the pattern half; the name keeps only its words.
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        if (bracket >= 0) {
            name = name.left(bracket).trimmed();
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        if (patterns.isEmpty()) {
            patterns << QStringLiteral("*");
        }
        filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtChoosers::ChooseFolder(const std::string& title,
                                                    const std::string& initialPath) {
    const QString folder = QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
                                                             QString::fromStdString(initialPath),
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder.toStdString();
}

std::optional<std::string> QtChoosers::ChooseFile(const std::string& title,
                                                  const std::string& filter) {
    // The dialog only returns existing files.
    const QString file = QFileDialog::getOpenFileName(owner_, QString::fromStdString(title),
                                                      QString(), NameFilters(filter));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file.toStdString();
}

}  // namespace quivlane
