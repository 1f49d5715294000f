#include "launcher/alarm/AlarmDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QResizeEvent>
#include <memory>

#include "controls/GradientButton.h"
#include "controls/MatrixDisplay.h"
#include "controls/SkinnedSlider.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

constexpr double kSmallestPoints = 6.0;

// Children are owned by their parent widget from the moment they are made.
template <typename Widget, typename... Args>
Widget* MakeChild(QWidget* parent, const QRect& geometry, Args&&... args) {
    auto child = std::make_unique<Widget>(std::forward<Args>(args)..., parent);
    child->setGeometry(geometry);
    return child.release();
}

void MakeGradient(GradientButton* button, const QColor& textColour) {
    button->SetGradient(true);
    button->SetStyle(2);
    button->SetTextColour(textColour);
    // "Supprimer Alarme" and "Valider Alarme" were laid out for a narrower face than the
    // desktop may have: a slightly smaller size beats a cut caption.
    QFont font = button->font();
    while (button->DisplayedCaption() != button->text() && font.pointSizeF() > kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        button->setFont(font);
    }
}

}  // namespace

AlarmDialog::AlarmDialog(SettingsStore& store, const std::string& configPath, int buttonId,
                         const std::string& programFolder, QWidget* parent)
    : SkinnedDialog(parent), store_(store), configPath_(configPath), buttonId_(buttonId) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Alarme"));
    setFixedSize(DialogUnitsToPixels(0, 0, 246, 145).size());
    BuildControls();

    const QString folder = programFolder.empty() ? QCoreApplication::applicationDirPath()
                                                 : QString::fromStdString(programFolder);
    const QString picture = folder + QLatin1Char('/') + QLatin1String(kPictureFile);
    // An unreadable picture counts as none: the built-in one is always there.
    if (!QFileInfo(picture).isFile() || !SetBackgroundFromFile(picture.toStdString())) {
        SetBackgroundFromResource(resources::kAlarmDialog);
    }
    SetColourKey(QColor::fromRgb(resources::kColourKeyRgb));

    MakeGradient(accept_, QColor(0, 0, 255));
    MakeGradient(cancel_, QColor(255, 0, 0));
    MakeGradient(delete_, QColor(255, 0, 0));

    display_->SetRows(1);
    display_->SetColumns(14);
    display_->SetFontSize(2);
    display_->SetColours(Qt::black, QColor(100, 255, 255), QColor(50, 60, 80));
    display_->SizeToColumns(14);
    display_->SizeToRows(1);
    display_->SetPadding(true, ' ');
    display_->SetText("     00;00    ");

    hours_->setRange(0, AlarmRules::kMaxHour);
    minutes_->setRange(0, AlarmRules::kMaxMinute);
    hours_->setTickInterval(1);
    minutes_->setTickInterval(1);

    rules_.Load(store_, configPath_, buttonId_);
    hours_->setValue(rules_.HourPosition());
    minutes_->setValue(rules_.MinutePosition());
    ShowTime();

    // Connected only now: placing the sliders must not rewrite a stored time as it stands.
    connect(hours_, &QSlider::valueChanged, this, [this](int position) {
        rules_.HourMoved(position);
        ShowTime();
    });
    connect(minutes_, &QSlider::valueChanged, this, [this](int position) {
        rules_.MinuteMoved(position);
        ShowTime();
    });
    connect(hours_, &QSlider::sliderReleased, this, [this] {
        rules_.HourMoved(hours_->value());
        ShowTime();
    });
    connect(minutes_, &QSlider::sliderReleased, this, [this] {
        rules_.MinuteMoved(minutes_->value());
        ShowTime();
    });
    connect(accept_, &QPushButton::clicked, this, [this] { AcceptAlarm(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteAlarm(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    hours_->setFocus();
}

AlarmDialog::~AlarmDialog() = default;

void AlarmDialog::BuildControls() {
    delete_ = MakeChild<GradientButton>(this, DialogUnitsToPixels(7, 124, 60, 14),
                                        QStringLiteral("Supprimer Alarme"));
    cancel_ = MakeChild<GradientButton>(this, DialogUnitsToPixels(189, 124, 50, 14),
                                        QStringLiteral("Annuler"));
    accept_ = MakeChild<GradientButton>(this, DialogUnitsToPixels(135, 124, 50, 14),
                                        QStringLiteral("Valider Alarme"));
    minutes_ = MakeChild<SkinnedSlider>(this, DialogUnitsToPixels(9, 78, 226, 18), Qt::Horizontal);
    hours_ = MakeChild<SkinnedSlider>(this, DialogUnitsToPixels(8, 31, 226, 19), Qt::Horizontal);
    display_ = MakeChild<MatrixDisplay>(this, DialogUnitsToPixels(74, 9, 93, 14));
    accept_->setDefault(true);
    delete_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
}

void AlarmDialog::ShowTime() {
    display_->SetText(rules_.DisplayText());
}

void AlarmDialog::AcceptAlarm() {
    result_ = rules_.Accept(store_, configPath_, buttonId_);
    accept();
}

void AlarmDialog::DeleteAlarm() {
    result_ = AlarmRules::Delete(store_, configPath_, buttonId_);
    accept();
}

void AlarmDialog::resizeEvent(QResizeEvent* event) {
    SkinnedDialog::resizeEvent(event);
    // The window is a little wider than the built-in picture; a strip beyond the picture with
    // no control in it would show as a stray edge.
    const QRect picture(QPoint(0, 0), BackgroundSize());
    if (ColourKey() && HasBackground() && picture.contains(childrenRect())) {
        setMask(mask().intersected(picture));
    }
}

void AlarmDialog::reject() {
    result_.clear();
    SkinnedDialog::reject();
}

}  // namespace quivlane
