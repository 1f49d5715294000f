#include "launcher/bar/AboutBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

#include "controls/GradientButton.h"
#include "resources/ResourceNames.h"

namespace quivlane {

AboutBox::AboutBox(QWidget* parent) : SkinnedDialog(parent) {
    setWindowTitle(QStringLiteral("A propos de Quivlane"));
    const QIcon icon(QString::fromLatin1(resources::kIcon));
    setWindowIcon(icon);

    auto layout = std::make_unique<QVBoxLayout>();
    auto row = std::make_unique<QHBoxLayout>();
    auto picture = std::make_unique<QLabel>();
    picture->setPixmap(icon.pixmap(32, 32));
    row->addWidget(picture.release());
    row->addWidget(std::make_unique<QLabel>(QStringLiteral("Quivlane version 1.0")).release());
    layout->addLayout(row.release());
    auto ok = std::make_unique<GradientButton>(QStringLiteral("OK"));
    ok->SetGradient(true);
    ok->SetStyle(2);
    ok->setDefault(true);
    connect(ok.get(), &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok.release(), 0, Qt::AlignRight);
    setLayout(layout.release());
}

AboutBox::~AboutBox() = default;

}  // namespace quivlane
