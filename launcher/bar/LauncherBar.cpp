#include "launcher/bar/LauncherBar.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimerEvent>
#include <filesystem>
#include <memory>

#include "config/ConfigPaths.h"
#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "controls/MatrixDisplay.h"
#include "controls/X11Window.h"
#include "launcher/bar/AboutBox.h"
#include "launcher/url/UrlEntryDialog.h"
#include "resources/ResourceNames.h"

namespace quivlane {

namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

struct Layout {
    int id;
    int x, y, w, h;
};

// Dialog units of the bar's controls; buttons 1 to 19 are ids 1000 to 1018.
constexpr std::array<Layout, BarController::kButtonCount> kButtonLayout{{
    {1000, 14, 63, 49, 14},  {1001, 70, 63, 49, 14},  {1002, 14, 79, 49, 14},
    {1003, 70, 79, 49, 14},  {1004, 14, 96, 49, 14},  {1005, 70, 96, 49, 14},
    {1006, 14, 113, 49, 14}, {1007, 70, 113, 49, 14}, {1008, 14, 130, 49, 14},
    {1009, 70, 130, 49, 14}, {1010, 14, 146, 49, 14}, {1011, 70, 146, 49, 14},
    {1012, 14, 163, 49, 14}, {1013, 70, 163, 49, 14}, {1014, 14, 180, 49, 14},
    {1015, 70, 180, 49, 14}, {1016, 14, 197, 49, 14}, {1017, 70, 197, 49, 14},
    {1018, 14, 214, 49, 14},
}};
constexpr Layout kQuitLayout{BarController::kQuitButtonId, 70, 214, 49, 14};
constexpr Layout kDisplayLayout{1021, 14, 35, 93, 14};
constexpr Layout kPowerLayout{1022, 13, 49, 13, 11};
constexpr Layout kActionLayout{1019, 47, 49, 13, 11};
constexpr int kBarWidthDu = 131;
constexpr int kBarHeightDu = 258;

QRect Pixels(const Layout& l) {
    return SkinnedDialog::DialogUnitsToPixels(l.x, l.y, l.w, l.h);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

LauncherBar::LauncherBar(BarPorts ports, SettingsStore& settings, const std::string& programPath,
                         QWidget* parent)
    : SkinnedDialog(parent),
      ports_(ports),
      programPath_(programPath),
      programFolder_(FolderOf(programPath)),
      controller_(*this, settings, ports) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Quivlane"));
    setWindowIcon(QIcon(QString::fromLatin1(resources::kIcon)));
    setFixedSize(DialogUnitsToPixels(0, 0, kBarWidthDu, kBarHeightDu).size());
    // Moves over the free surface restore a faded bar.
    setMouseTracking(true);

    const std::string picture = programFolder_ + kPictureFile;
    std::error_code error;
    if (std::filesystem::exists(picture, error)) {
        SetBackgroundFromFile(picture);
    } else {
        SetBackgroundFromResource(resources::kBar);
    }
    SkinnedDialog::SetColourKey(ToQColor(BarController::kColourKey));
    BuildControls();
}

LauncherBar::~LauncherBar() = default;

void LauncherBar::BuildControls() {
    installEventFilter(this);
    for (std::size_t i = 0; i < kButtonLayout.size(); ++i) {
        const Layout& l = kButtonLayout[i];
        auto button = std::make_unique<GradientButton>(this);
        button->setGeometry(Pixels(l));
        button->SetGradient(true);
        button->SetStyle(2);
        // Keyboard focus stays on the display; keys never press a button.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->installEventFilter(this);
        const int id = l.id;
        connect(button.get(), &QPushButton::clicked, this,
                [this, id] { controller_.OnButtonClicked(id); });
        buttons_[i] = button.release();
    }

    auto quit = std::make_unique<GradientButton>(QStringLiteral("Quitter"), this);
    quit->setGeometry(Pixels(kQuitLayout));
    quit->SetGradient(true);
    quit->SetStyle(2);
    quit->setFocusPolicy(Qt::NoFocus);
    quit->setAutoDefault(false);
    quit->installEventFilter(this);
    connect(quit.get(), &QPushButton::clicked, this, [this] { controller_.FarewellAndQuit(); });
    quit_ = quit.release();

    auto display = std::make_unique<MatrixDisplay>(this);
    display->move(Pixels(kDisplayLayout).topLeft());
    display->SetRows(1);
    display->SetColumns(14);
    display->SetFontSize(2);
    display->SetColours(Qt::black, QColor(100, 255, 255), QColor(50, 60, 80));
    display->SizeToColumns(14);
    display->SizeToRows(1);
    display->SetPadding(true, ' ');
    // It covers every pixel it owns (the bar never sets an empty text), so the panel beneath
    // need not be drawn again at each tick.
    display->setAttribute(Qt::WA_OpaquePaintEvent);
    display->setFocusPolicy(Qt::StrongFocus);
    display->installEventFilter(this);
    display_ = display.release();

    auto power = std::make_unique<IndicatorLight>(this);
    power->setGeometry(Pixels(kPowerLayout));
    power->installEventFilter(this);
    power_ = power.release();
    auto action = std::make_unique<IndicatorLight>(this);
    action->setGeometry(Pixels(kActionLayout));
    action->installEventFilter(this);
    action_ = action.release();
}

void LauncherBar::Start() {
    controller_.StartUp(ConfigPaths::Locate(ConfigPaths::Program::Launcher, programPath_));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        move(PlacementFor(screen->availableGeometry(), size()));
    }
    update();
    display_->setFocus();
}

QPoint LauncherBar::PlacementFor(const QRect& workArea, const QSize& bar) {
    return {workArea.x() + workArea.width() - bar.width() - 45,
            workArea.y() + workArea.height() - bar.height() - 40};
}

GradientButton* LauncherBar::Button(int id) const {
    if (id == BarController::kQuitButtonId) {
        return quit_;
    }
    if (id < BarController::kFirstButtonId || id > BarController::kLastButtonId) {
        return nullptr;
    }
    return buttons_[id - BarController::kFirstButtonId];
}

void LauncherBar::SetDisplayColours(Rgb background, Rgb lit, Rgb unlit) {
    display_->SetColours(ToQColor(background), ToQColor(lit), ToQColor(unlit));
}

void LauncherBar::SetDisplayText(const std::string& text) {
    display_->SetText(text);
}

void LauncherBar::PaintDisplayNow() {
    display_->repaint();
}

void LauncherBar::StartDisplayScroll(int periodMs, int mode) {
    display_->StartScroll(periodMs, mode);
}

void LauncherBar::StopDisplayScroll() {
    display_->StopScroll();
}

void LauncherBar::SetLight(BarLight light, LightState state) {
    IndicatorLight* lamp = light == BarLight::Power ? power_ : action_;
    int row = 0;
    int column = 0;
    switch (state) {
        case LightState::BrightRed:
            break;
        case LightState::DarkRed:
            column = 1;
            break;
        case LightState::BrightGreen:
            row = 16;
            break;
    }
    // The tick sets both lamps every second; only a change is worth a repaint.
    if (lamp->Row() != row || lamp->Column() != column || lamp->Extra() != 0) {
        lamp->SetLight(row, column, 0);
    }
}

void LauncherBar::SetButtonCaption(int id, const std::string& caption) {
    if (GradientButton* button = Button(id)) {
        button->setText(QString::fromStdString(caption));
    }
}

void LauncherBar::SetButtonCaptionColour(int id, Rgb colour) {
    if (GradientButton* button = Button(id)) {
        button->SetTextColour(ToQColor(colour));
    }
}

void LauncherBar::SetQuitButtonVisible(bool visible) {
    quit_->setVisible(visible);
}

void LauncherBar::StartTimer(int id, int periodMs) {
    timers_[id].start(periodMs, this);
}

void LauncherBar::StopTimer(int id) {
    if (auto found = timers_.find(id); found != timers_.end()) {
        found->second.stop();
    }
}

bool LauncherBar::SetWindowAlpha(int alpha) {
    return SkinnedDialog::SetWindowAlpha(alpha);
}

bool LauncherBar::SetColourKey(Rgb key) {
    return SkinnedDialog::SetColourKey(ToQColor(key));
}

int LauncherBar::ShowMenuUnderButton(int buttonId, const std::vector<MenuEntry>& entries) {
    GradientButton* button = Button(buttonId);
    if (button == nullptr) {
        return 0;
    }
    QMenu menu(this);
    for (const MenuEntry& entry : entries) {
        menu.addAction(QString::fromStdString(entry.text))->setData(entry.command);
    }
    return button->ShowMenu(menu);
}

void LauncherBar::PostCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { controller_.OnMenuCommand(command); }, Qt::QueuedConnection);
}

std::string LauncherBar::RunUrlEntryDialog() {
    UrlEntryDialog dialog(ports_.clock, programFolder_, this);
    dialog.exec();
    return dialog.Result();
}

void LauncherBar::EndBar(bool confirmed) {
    for (auto& [id, timer] : timers_) {
        timer.stop();
    }
    if (confirmed) {
        SkinnedDialog::accept();
    } else {
        SkinnedDialog::reject();
    }
}

void LauncherBar::reject() {
    controller_.ReleaseOnClose();
    controller_.OnDestroy();
    EndBar(false);
}

bool LauncherBar::eventFilter(QObject* watched, QEvent* event) {
    if (relay_ && controller_.TooltipsOn()) {
        relay_(watched, event);
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Escape:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                // Keys never close the bar, press a button or move the focus.
                event->accept();
                return true;
            default:
                break;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void LauncherBar::timerEvent(QTimerEvent* event) {
    for (auto& [id, timer] : timers_) {
        if (timer.timerId() == event->timerId()) {
            controller_.OnTimer(id);
            return;
        }
    }
    SkinnedDialog::timerEvent(event);
}

void LauncherBar::mouseMoveEvent(QMouseEvent* event) {
    SkinnedDialog::mouseMoveEvent(event);
    // Moves over a control are the control's, not the bar's.
    if (childAt(event->position().toPoint()) == nullptr) {
        controller_.OnMouseMoveOverBar();
    }
}

void LauncherBar::contextMenuEvent(QContextMenuEvent* event) {
    if (childAt(event->pos()) != nullptr) {
        return;
    }
    QMenu menu(this);
    QAction* about = menu.addAction(QStringLiteral("&A propos de Quivlane..."));
    if (menu.exec(event->globalPos()) == about) {
        ShowAbout();
    }
}

void LauncherBar::showEvent(QShowEvent* event) {
    // A tool window alone does not keep every taskbar from listing it; the state must be on
    // the window before each map, since the window manager drops it at every unmap.
    X11Window::AskNoTaskbarEntry(*this);
    SkinnedDialog::showEvent(event);
}

void LauncherBar::ShowAbout() {
    AboutBox box(this);
    box.exec();
}

}  // namespace quivlane
