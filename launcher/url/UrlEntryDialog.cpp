#include "launcher/url/UrlEntryDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <memory>

#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "launcher/url/NormaliseAddress.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

// Children are owned by their parent widget from the moment they are made.
template <typename Widget, typename... Args>
Widget* MakeChild(QWidget* parent, const QRect& geometry, Args&&... args) {
    auto child = std::make_unique<Widget>(std::forward<Args>(args)..., parent);
    child->setGeometry(geometry);
    return child.release();
}

std::string CutToCharacters(const QString& text, int limit) {
    QList<uint> characters = text.toUcs4();
    if (characters.size() > limit) {
        characters.resize(limit);
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                             characters.size())
        .toStdString();
}

}  // namespace

UrlEntryDialog::UrlEntryDialog(Clock& clock, const std::string& programFolder, QWidget* parent)
    : SkinnedDialog(parent), clock_(clock) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    const QRect client = DialogUnitsToPixels(0, 0, 313, 47);
    setFixedSize(client.size());

    address_ = MakeChild<QLineEdit>(this, DialogUnitsToPixels(7, 7, 297, 12));
    address_->setMaxLength(kMaxResultCharacters);
    open_ = MakeChild<GradientButton>(this, DialogUnitsToPixels(199, 24, 50, 14),
                                      QStringLiteral("Ouvrir le site"));
    cancel_ = MakeChild<GradientButton>(this, DialogUnitsToPixels(255, 24, 50, 14),
                                        QStringLiteral("Annuler"));
    lamp_ = MakeChild<IndicatorLight>(this, DialogUnitsToPixels(7, 25, 22, 18));
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, [this] { OpenSite(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

    const QString folder = programFolder.empty() ? QCoreApplication::applicationDirPath()
                                                 : QString::fromStdString(programFolder);
    const QString picture = folder + QLatin1Char('/') + QLatin1String(kPictureFile);
    // An unreadable picture counts as none: the built-in one is always there.
    if (!QFileInfo(picture).isFile() || !SetBackgroundFromFile(picture.toStdString())) {
        SetBackgroundFromResource(resources::kUrlDialog);
    }
    SetColourKey(QColor::fromRgb(resources::kColourKeyRgb));

    open_->SetGradient(true);
    open_->SetStyle(2);
    open_->SetTextColour(QColor(0, 0, 255));
    cancel_->SetGradient(true);
    cancel_->SetStyle(2);
    cancel_->SetTextColour(QColor(255, 0, 0));

    result_.clear();
    lamp_->SetLight(0, 1, 0);
    address_->setFocus();
}

UrlEntryDialog::~UrlEntryDialog() = default;

void UrlEntryDialog::OpenSite() {
    lamp_->SetLight(0, 0, 0);
    result_ =
        CutToCharacters(QString::fromStdString(NormaliseAddress(address_->text().toStdString())),
                        kMaxResultCharacters);
    clock_.Wait(600);
    accept();
}

void UrlEntryDialog::reject() {
    result_.clear();
    SkinnedDialog::reject();
}

}  // namespace quivlane
