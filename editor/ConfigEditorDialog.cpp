#include "editor/ConfigEditorDialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QSignalBlocker>
#include <algorithm>
#include <memory>
#include <utility>

#include "controls/GradientButton.h"
#include "editor/CharacterLimit.h"
#include "editor/SystemFunctions.h"
#include "editor/TransparentCheckBox.h"
#include "editor/TransparentRadioButton.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

constexpr int kWidthDu = 535;
constexpr int kHeightDu = 318;

struct SwitchBox {
    int id;
    int y;
    EditorSwitch which;
};
constexpr std::array<SwitchBox, 6> kSwitchBoxes{{
    {ConfigEditorDialog::kSound, 18, EditorSwitch::Son},
    {ConfigEditorDialog::kAutostart, 32, EditorSwitch::Autostart},
    {ConfigEditorDialog::kTooltips, 47, EditorSwitch::Tooltips},
    {ConfigEditorDialog::kQuitButton, 62, EditorSwitch::BoutonQuitter},
    {ConfigEditorDialog::kAutohide, 77, EditorSwitch::Autohide},
    {ConfigEditorDialog::kClock, 91, EditorSwitch::Horloge},
}};

struct ColourBox {
    int id;
    int x;
    int y;
    int w;
    ColourChoice colour;
};
constexpr std::array<ColourBox, 5> kColourBoxes{{
    {ConfigEditorDialog::kNoir, 162, 235, 10, ColourChoice::Noir},
    {ConfigEditorDialog::kJaune, 222, 235, 10, ColourChoice::Jaune},
    {ConfigEditorDialog::kVert, 282, 236, 10, ColourChoice::Vert},
    {ConfigEditorDialog::kBleu, 342, 235, 11, ColourChoice::Bleu},
    {ConfigEditorDialog::kRouge, 403, 235, 11, ColourChoice::Rouge},
}};

template <typename Widget, typename... Args>
Widget* MakeChild(QWidget* parent, const QRect& geometry, Args&&... args) {
    auto child = std::make_unique<Widget>(std::forward<Args>(args)..., parent);
    child->setGeometry(geometry);
    return child.release();
}

QRect Du(int x, int y, int w, int h) {
    return SkinnedDialog::DialogUnitsToPixels(x, y, w, h);
}

// The widths are those of the narrow face the layout was made for; a wider face gets its
// caption condensed rather than cut short.
void FitCaption(QPushButton& button) {
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    const int room = button.width() - 8;
    const int needed = button.fontMetrics().horizontalAdvance(caption);
    if (needed <= room || needed <= 0) {
        return;
    }
    QFont narrower = button.font();
    narrower.setStretch(std::max(75, room * 100 / needed));
    button.setFont(narrower);
}

QString ButtonEntry(int n) {
    return QStringLiteral("BOUTON %1").arg(n);
}

}  // namespace

ConfigEditorDialog::ConfigEditorDialog(EditorPorts ports, SettingsStore& store,
                                       const std::string& modulePath, QWidget* parent)
    : SkinnedDialog(parent), editor_(*this, store, ports), modulePath_(modulePath) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Du(0, 0, kWidthDu, kHeightDu).size());
    setWindowIcon(QIcon(QString::fromLatin1(resources::kIcon)));
    SetBackgroundFromResource(resources::kEditor);
    SetColourKey(QColor::fromRgb(resources::kColourKeyRgb));
    BuildControls();
}

ConfigEditorDialog::~ConfigEditorDialog() = default;

GradientButton* ConfigEditorDialog::AddButton(int id, int x, int y, int w, int h,
                                              const QString& caption) {
    auto* button = MakeChild<GradientButton>(this, Du(x, y, w, h), caption);
    controls_[id] = button;
    return button;
}

void ConfigEditorDialog::BuildControls() {
    // The frames go first so that every control lies above them; they never take the mouse,
    // so the picture beneath still drags the window.
    for (const QRect& frame : {Du(351, 10, 169, 111), Du(7, 121, 513, 172)}) {
        // A flat group frame: a plain line, nothing painted inside it.
        auto* group = MakeChild<QFrame>(this, frame);
        group->setFrameStyle(QFrame::Box | QFrame::Plain);
        group->setLineWidth(1);
        QPalette palette = group->palette();
        palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
        group->setPalette(palette);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    buttons_ = MakeChild<QListWidget>(this, Du(12, 132, 60, 156));
    for (int n = 1; n <= config::kButtonCount; ++n) {
        buttons_->addItem(ButtonEntry(n));
    }
    buttons_->setSelectionMode(QAbstractItemView::SingleSelection);
    buttons_->setCurrentRow(-1);
    buttons_->clearSelection();
    controls_[kButtons] = buttons_;
    // Selection, not the current row: a list that takes the focus makes its first entry
    // current without choosing it.
    connect(buttons_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = buttons_->selectedItems();
        if (!chosen.isEmpty()) {
            OnButtonChosen(buttons_->row(chosen.front()));
        }
    });

    label_ = MakeChild<QLineEdit>(this, Du(159, 135, 80, 12));
    link_ = MakeChild<QLineEdit>(this, Du(159, 154, 360, 12));
    comment_ = MakeChild<QLineEdit>(this, Du(161, 216, 358, 12));
    for (const auto& [field, limit] : {std::pair{label_, ConfigEditor::kFieldLabelLimit},
                                       std::pair{link_, ConfigEditor::kFieldTextLimit},
                                       std::pair{comment_, ConfigEditor::kFieldTextLimit}}) {
        // The field owns its limit.
        field->setValidator(
            std::make_unique<CharacterLimit>(static_cast<int>(limit), field).release());
    }
    controls_[kLabel] = label_;
    controls_[kLink] = link_;
    controls_[kComment] = comment_;
    for (QLineEdit* field : {label_, link_, comment_}) {
        field->installEventFilter(this);
    }

    auto* folder = AddButton(kChooseFolder, 244, 134, 60, 13, QStringLiteral("Choix Dossier"));
    auto* file = AddButton(kChooseFile, 315, 134, 60, 13, QStringLiteral("Choix Fichier"));
    auto* paste = AddButton(kPaste, 386, 134, 60, 13, QStringLiteral("Coller"));
    auto* clear = AddButton(kClear, 457, 135, 60, 13, QStringLiteral("Effacer"));
    connect(folder, &QPushButton::clicked, this, [this] { editor_.ChooseFolder(); });
    connect(file, &QPushButton::clicked, this, [this] { editor_.ChooseFile(); });
    connect(paste, &QPushButton::clicked, this, [this] { editor_.PasteLink(); });
    connect(clear, &QPushButton::clicked, this, [this] { editor_.ClearButton(); });

    functions_ = MakeChild<QListWidget>(this, Du(353, 169, 162, 44));
    for (int i = 0; i < SystemFunctions::kCount; ++i) {
        const std::string_view name = SystemFunctions::DisplayName(i);
        functions_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    functions_->setSelectionMode(QAbstractItemView::SingleSelection);
    functions_->setCurrentRow(-1);
    functions_->clearSelection();
    controls_[kFunctions] = functions_;
    auto* apply =
        AddButton(kApplyFunction, 282, 171, 70, 15, QString::fromUtf8("Fonction Système"));
    connect(apply, &QPushButton::clicked, this,
            [this] { editor_.ApplySystemFunction(SelectedFunction()); });

    for (const ColourBox& box : kColourBoxes) {
        auto* radio = MakeChild<TransparentRadioButton>(this, Du(box.x, box.y, box.w, 11));
        // The editor decides which one is on, including none at all.
        radio->setAutoExclusive(false);
        radio->setFocusPolicy(Qt::ClickFocus);
        const ColourChoice colour = box.colour;
        connect(radio, &QRadioButton::clicked, this,
                [this, colour] { editor_.ChooseColour(colour); });
        controls_[box.id] = radio;
    }

    auto* save = AddButton(kSaveButton, 417, 259, 98, 14,
                           QString::fromUtf8("E&nregistrer Paramètre Bouton"));
    connect(save, &QPushButton::clicked, this, [this] { editor_.SaveButton(); });

    for (const SwitchBox& box : kSwitchBoxes) {
        auto* check = MakeChild<TransparentCheckBox>(this, Du(357, box.y, 11, 12));
        const EditorSwitch which = box.which;
        connect(check, &QCheckBox::clicked, this, [this, which] { editor_.ToggleSwitch(which); });
        controls_[box.id] = check;
    }

    auto* saveSwitches = AddButton(kSaveSwitches, 401, 104, 114, 14,
                                   QString::fromUtf8("&Enregistrer Paramètres Généraux"));
    connect(saveSwitches, &QPushButton::clicked, this, [this] { editor_.SaveGlobalSettings(); });

    auto* quit = AddButton(kQuit, 455, 300, 65, 14, QStringLiteral("&Quitter"));
    quit->setDefault(true);
    connect(quit, &QPushButton::clicked, this, [this] {
        if (editor_.Quit()) {
            accept();
        }
    });

    pushButtons_ = {folder, file, paste, clear, apply, save, saveSwitches, quit};
}

void ConfigEditorDialog::Start() {
    editor_.StartUp(modulePath_);
    for (GradientButton* button : pushButtons_) {
        button->SetStyle(2);
        button->SetGradient(true);
        FitCaption(*button);
    }
    setWindowTitle(QString::fromLatin1(kTitle));
    label_->setFocus(Qt::OtherFocusReason);
}

QWidget* ConfigEditorDialog::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void ConfigEditorDialog::OnButtonChosen(int row) {
    if (row < 0) {
        return;
    }
    if (editor_.SelectButton(buttons_->item(row)->text().toStdString())) {
        shownRow_ = row;
        return;
    }
    // The previous button is still the one being edited: show it as chosen again.
    const QSignalBlocker blocker(buttons_);
    buttons_->setCurrentRow(shownRow_);
}

int ConfigEditorDialog::SelectedFunction() const {
    for (int row = 0; row < functions_->count(); ++row) {
        if (functions_->item(row)->isSelected()) {
            return row;
        }
    }
    return functions_->count();
}

bool ConfigEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn &&
        (watched == label_ || watched == link_ || watched == comment_)) {
        // Coming back to the window (or closing a popup) is not entering the field anew.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            editor_.FieldFocused();
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

std::string ConfigEditorDialog::Label() const {
    return label_->text().toStdString();
}

std::string ConfigEditorDialog::Link() const {
    return link_->text().toStdString();
}

std::string ConfigEditorDialog::Comment() const {
    return comment_->text().toStdString();
}

void ConfigEditorDialog::SetLabel(const std::string& text) {
    label_->setText(QString::fromStdString(text));
}

void ConfigEditorDialog::SetLink(const std::string& text) {
    link_->setText(QString::fromStdString(text));
    link_->setCursorPosition(0);
}

void ConfigEditorDialog::SetComment(const std::string& text) {
    comment_->setText(QString::fromStdString(text));
    comment_->setCursorPosition(0);
}

void ConfigEditorDialog::ShowSwitches(const EditorSwitches& switches) {
    const std::map<int, bool> ticked{
        {kSound, switches.son},           {kTooltips, switches.tooltips},
        {kAutostart, switches.autostart}, {kQuitButton, switches.boutonQuitter},
        {kAutohide, switches.autohide},   {kClock, switches.horloge},
    };
    for (const auto& [id, on] : ticked) {
        static_cast<QCheckBox*>(controls_.at(id))->setChecked(on);
    }
}

void ConfigEditorDialog::ShowColourChoice(ColourChoice choice) {
    for (const ColourBox& box : kColourBoxes) {
        static_cast<QRadioButton*>(controls_.at(box.id))->setChecked(box.colour == choice);
    }
}

void ConfigEditorDialog::EnableSaveButton(bool enabled) {
    controls_.at(kSaveButton)->setEnabled(enabled);
}

}  // namespace quivlane
